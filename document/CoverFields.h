// The fields of the cover record that a cover file stores: one row per key of the header, in
// the header's order, saying how the value is written, how a load reads it back into the
// cover, how two covers' values are compared and what a user calls a text field. The writer,
// the reader and the storage check all go through these rows, so that no key can be written
// one way and read or compared another.
#pragma once

#include "CoverState.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// What a load does with the value of a key.
enum class CoverFieldLoad
{
    // The value is stored in the cover.
    IntoCover,
    // A picture path: a load reads it for the extracted picture's extension and to tell
    // whether the side had a picture, and then points the cover at the extracted file.
    PicturePath,
    // Written for the readers of older covers only; the cover keeps the value of its reset.
    Never,
};

struct CoverField
{
    std::string_view key;
    CoverFieldLoad load;
    // The value as the header carries it.
    std::string (*write)(const CoverState& cover);
    // Stores a value taken from a header in the cover (a picture path as it was saved); null
    // for a key that is never read.
    void (*read)(std::string_view value, CoverState& cover);
    // Whether two covers hold the same under this key, as far as a header can tell them
    // apart; null for a key that is never read.
    bool (*same)(const CoverState& a, const CoverState& b);
    // What a user calls the field when its value is a text ("back cover text"); null for
    // numbers, colours and flags.
    const char* pszTextName;
};

constexpr size_t kCoverFieldCount = 33;

const std::array<CoverField, kCoverFieldCount>& CoverFields();

// Every field that a load stores in the cover holds the same in both covers. The picture
// paths, which a load replaces by the extracted files, and the keys never read are left out.
bool SameStoredFields(const CoverState& a, const CoverState& b);
