#pragma once
// Player names are bytes: the files key every record by them, and older
// settings files hold them in Latin-1. Every widget shows and takes back a
// name by this one rule, so a name chosen or left unchanged in a widget is
// the stored name byte for byte and a player's history never splits.
#include <QString>
#include <string>
#include <vector>

namespace bw {

// UTF-8 when the bytes are valid UTF-8, else Latin-1 (each byte its own
// character).
QString NameText(const std::string& bytes);
// The bytes of the first of `known` that shows as `text`; otherwise the
// text in UTF-8 (a name typed anew).
std::string NameBytes(const QString& text, const std::vector<std::string>& known);

}  // namespace bw
