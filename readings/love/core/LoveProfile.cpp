#include "LoveProfile.h"

#include "assets/texts/ReadingTexts.h"

namespace kesto {

std::string LoveProfileText(ZodiacSign sign)
{
    const LoveProfilePieces &profile = loveProfilePieces(sign);
    const std::string_view join = profile.join == PieceJoin::Paragraphs ? "\r\n\r\n" : "";
    std::string text;
    for (std::string_view piece : profile.pieces) {
        if (piece.empty())
            continue;
        if (!text.empty())
            text += join;
        text += piece;
    }
    return text;
}

} // namespace kesto
