#pragma once
// Event sounds under the master switch (parameter position 141) and the
// opening of web and e-mail links through the desktop.
#include <string>

#include "core/param_fields.h"

namespace bw {

// Callers pass `enabled` as the event's own switch ("Y" at its position);
// the master switch is tested here. A new sound replaces the one playing.
void PlayEventSound(const std::string& name, bool enabled);
void PlayEventSoundLooped(const std::string& name, bool enabled);
void StopEventSound();
// The switch at a parameter position holds "Y".
bool SoundSwitch(ParamField f);
// Plays `name` once when both the master switch and the switch `f` are on.
void PlaySwitched(const std::string& name, ParamField f);

// Before the preferences are loaded: reads "Sounds_Enabled" into position
// 141 and plays "Splash" when "Sounds_Splash" is "Y" (both default "Y").
void PlaySplash();

// The address a link opens: kind "HTTP" (any case) gives the target with
// "http://" put in front unless it already has a web scheme, "EMAIL" gives
// "mailto:" + target; any other kind gives the empty text.
std::string LinkAddress(const std::string& kind, const std::string& target);
// Opens the link with the desktop's default handler; true on success. Any
// other kind shows "Error in parameters" and opens nothing.
bool OpenLink(const std::string& kind, const std::string& target);

}  // namespace bw
