#include "mapping/OrvPSImageUI.h"

#include "platform/i18n.h"

OrvPSImageUI::OrvPSImageUI(int x, int y, int w, int h, const char* label) : Fl_Pack(x, y, w, h, label) {
    fProfile = new Fl_Choice(5, 145, 215, 20, _("Profile"));
    fProfile->tooltip(_("This allows you to adjust the color profile of the image. Make sure that the profile "
                        "matches the 'Document Profile' in Photoshop - you can get this info from the pop-up "
                        "menu at the bottom of an image document."));
    fProfile->labelsize(12);
    fProfile->align(FL_ALIGN_RIGHT);

    fChoices = orv::ChoosableProfiles();
    // Descriptions are unique in fChoices, so item i is fChoices[i].
    for (const orv::ProfileChoice& choice : fChoices) fProfile->add(orv::MenuLabel(choice.description).c_str(), 0, nullptr);
    fProfile->callback(ProfileCallback, this);

    // The "360 Panorama", "Zenith" and "Nadir" light buttons go here, in a horizontal pack below
    // the profile choice.

    end();
}

OrvPSImageUI::~OrvPSImageUI() = default;

void OrvPSImageUI::ShowProfile(const std::string& path) {
    std::optional<std::string> description = orv::ProfileDescriptionOf(path);
    if (!description) return;
    for (std::size_t i = 0; i < fChoices.size(); ++i) {
        if (fChoices[i].description == *description) {
            fProfile->value(static_cast<int>(i));
            return;
        }
    }
}

void OrvPSImageUI::ProfileCallback(Fl_Widget*, void* self) {
    static_cast<OrvPSImageUI*>(self)->OnProfile();
}

void OrvPSImageUI::OnProfile() {
    const int index = fProfile->value();
    if (index < 0 || static_cast<std::size_t>(index) >= fChoices.size()) return;
    profileChosen.emit(fChoices[static_cast<std::size_t>(index)].path);
}

namespace orv {

std::string MenuLabel(const std::string& text) {
    std::string label;
    label.reserve(text.size() + 8);
    for (char c : text) {
        switch (c) {
        case '/':
        case '\\':
        case '_':
            label += '\\';
            label += c;
            break;
        case '&':
        case '@':
            label += c;
            label += c;
            break;
        default:
            label += c;
        }
    }
    return label;
}

}  // namespace orv
