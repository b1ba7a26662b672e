#include "ReadingState.h"

namespace ReadingState {

QString &signOf(kesto::Reading reading)
{
    switch (kesto::describe(reading).body) {
    case kesto::Body::Venus:
        return LoveSign;
    case kesto::Body::Eros:
        return ErosSign;
    case kesto::Body::Sun:
        break;
    }
    return CurrentSunSign;
}

std::optional<kesto::ZodiacSign> foundSign(kesto::Reading reading)
{
    return kesto::signFromDisplayName(signOf(reading).toStdString());
}

} // namespace ReadingState
