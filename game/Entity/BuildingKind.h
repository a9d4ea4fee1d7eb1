#pragma once

#include <cstdint>

// The fixed facts of one kind of production building, chosen by its type code: what it is called, the
// stem of its description files, who works it, what it makes from what, and the frames of its pictures.
struct BuildingKind
{
    std::uint8_t type = 0;
    const char* name = "";
    const char* stem = "";
    std::uint16_t ordinal = 0;
    bool fairy = false;
    // The first of the three goods its order buttons make; every order yields units of this one.
    std::uint8_t product = 0;
    std::uint8_t firstInput = 0;
    // A fairy's building also takes this input for each run; a boy's needs only its first, which this
    // field repeats.
    std::uint8_t secondInput = 0;
    std::int32_t descriptionBase = -1;
    std::uint16_t orderIconFrame = 0;
    std::int32_t missingInputBubble = -1;
    // The progress bar's icons: the upper one counts the runs left, the lower shows the product.
    std::uint16_t upperIconBase = 0;
    std::uint16_t lowerIcon = 0;
    // The translated text that names it on its panel page.
    const char* title = "";

    // The kind of a type code; null for any code that is not one of the eleven.
    static const BuildingKind* Find(std::uint8_t type);
};
