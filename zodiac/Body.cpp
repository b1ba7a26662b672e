#include "Body.h"

namespace kesto {

std::string_view bodyName(Body body)
{
    switch (body) {
    case Body::Sun:
        return "Sun";
    case Body::Venus:
        return "Venus";
    case Body::Eros:
        return "Eros";
    }
    return {};
}

std::string_view bodyKey(Body body)
{
    switch (body) {
    case Body::Sun:
        return "sun";
    case Body::Venus:
        return "venus";
    case Body::Eros:
        return "eros";
    }
    return {};
}

} // namespace kesto
