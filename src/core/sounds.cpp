#include "core/sounds.h"

#include <cctype>

#include "core/params.h"
#include "core/ports.h"
#include "core/tr_marker.h"
#include "platform/ini.h"

namespace bw {

namespace {

bool MasterOn() {
    return GetParameter(field::kSoundsEnabled) == "Y";
}

std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

bool StartsWithNoCase(const std::string& s, const std::string& prefix) {
    return s.size() >= prefix.size() && Upper(s.substr(0, prefix.size())) == Upper(prefix);
}
}  // namespace

bool SoundSwitch(ParamField f) {
    return GetParameter(f) == "Y";
}

void PlayEventSound(const std::string& name, bool enabled) {
    if (enabled && MasterOn()) Sound().Play(name, false);
}

void PlaySwitched(const std::string& name, ParamField f) {
    PlayEventSound(name, SoundSwitch(f));
}

void PlayEventSoundLooped(const std::string& name, bool enabled) {
    if (enabled && MasterOn()) Sound().Play(name, true);
}

void StopEventSound() {
    if (MasterOn()) Sound().Stop();
}

void PlaySplash() {
    const std::string file = SettingsFile();
    SetParameter(field::kSoundsEnabled,
                 platform::IniReadString(file, "Preference", "Sounds_Enabled", "Y"));
    const bool splash = platform::IniReadString(file, "Preference", "Sounds_Splash", "Y") == "Y";
    PlayEventSound("Splash", splash);
}

std::string LinkAddress(const std::string& kind, const std::string& target) {
    const std::string k = Upper(kind);
    if (k == "EMAIL") return "mailto:" + target;
    if (k == "HTTP") {
        if (StartsWithNoCase(target, "http://") || StartsWithNoCase(target, "https://"))
            return target;
        return "http://" + target;
    }
    return std::string();
}

bool OpenLink(const std::string& kind, const std::string& target) {
    const std::string address = LinkAddress(kind, target);
    if (address.empty()) {
        // Handing an empty address to the desktop would open nothing useful.
        Dialogs().Info(BW_TR_NOOP("Messages", "Error in parameters"));
        return false;
    }
    BusyCursor busy;
    return Dialogs().OpenUrl(address);
}

}  // namespace bw
