#pragma once
// The parameter block: one fixed-position text record holding the player's
// preferences. Positions 1..249 live in
// the first string, 251..499 in the second, 501 and above in the third.
#include <string>
#include <string_view>

#include "core/param_fields.h"

namespace bw {

// NOLINTNEXTLINE(bugprone-reserved-identifier): the compiler's own copy of the array members
class ParameterBlock {
public:
    ParameterBlock() { Reset(); }
    void Reset();  // three strings of 250 blanks
    // The field with trailing blanks removed.
    std::string Get(int position, int width) const;
    // The same without a copy; valid until the block is next changed.
    std::string_view View(int position, int width) const;
    // Leading blanks removed, padded or cut to `width`.
    void Set(int position, int width, const std::string& text);

private:
    std::string& Block(int position, int& offset);
    const std::string* BlockConst(int position, int& offset) const;
    std::string blocks_[3];
};

ParameterBlock& Params();
std::string GetParameter(int position, int width);
void SetParameter(int position, int width, const std::string& text);
// Zero-padded decimal of `width` characters; the minus sign counts in the
// width; `width` asterisks when the value does not fit.
std::string FormatNumber(long long value, int width);
// The field read with a plain text-to-integer conversion; `def` when empty,
// not a number or beyond the range of a long long.
long long ParameterInt(int position, int width, long long def = 0);
inline bool ParameterIs(int position, const char* yn) {
    return GetParameter(position, 1) == yn;
}

// The same by field.
inline std::string GetParameter(ParamField f) {
    return GetParameter(f.position, f.width);
}
inline std::string_view ParameterView(ParamField f) {
    return Params().View(f.position, f.width);
}
inline void SetParameter(ParamField f, const std::string& text) {
    SetParameter(f.position, f.width, text);
}
inline long long ParameterInt(ParamField f, long long def = 0) {
    return ParameterInt(f.position, f.width, def);
}
inline bool ParameterIs(ParamField f, const char* text) {
    return GetParameter(f) == text;
}

// The text a field reads back after `text` is set in it: leading blanks
// dropped, cut to the width, trailing blanks dropped. The game's own values
// keep this cut so what a player sees or a file stores is unchanged.
std::string FieldText(ParamField f, std::string_view text);
// `text` read as ParameterInt reads a field; `def` when empty or no number.
long long TextInt(std::string_view text, long long def = 0);

// Sets the program folder (field::kProgramDir, kept whole even beyond its 200
// characters) from which every data file is named.
void SetProgramDir(const std::string& dir);
const std::string& ProgramDir();
// The program folder followed by a relative name, resolved
// without regard to case ("DATA\Cfg.dat" and "Data\cfg.dat" are one file).
std::string ProgramFile(const std::string& relative);
// The settings file, "DATA\Cfg.dat" under the program folder.
std::string SettingsFile();

}  // namespace bw
