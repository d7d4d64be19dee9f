#include "mapping/OrvPSImageUI.h"

#include "mapping/OrvMappingStage.h"
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

    auto* row = new Fl_Pack(5, 170, 235, 20);
    row->type(Fl_Pack::HORIZONTAL);
    row->spacing(5);
    auto makeSwitch = [](int x, int w, const char* label, const char* tip) {
        auto* button = new Fl_Light_Button(x, 170, w, 20, label);
        button->labelsize(12);
        button->align(FL_ALIGN_INSIDE);
        button->selection_color(3);
        button->tooltip(tip);
        return button;
    };
    fPanorama = makeSwitch(5, 110, _("360 Panorama"),
                           _("Activate this switch if your image is a 360 degree panorama. Note: Only panoramas in "
                             "the so called 'equirectangular' format are supported."));
    fZenith = makeSwitch(120, 60, _("Zenith"), _("Activate this switch if your panorama has a zenith."));
    fNadir = makeSwitch(185, 55, _("Nadir"), _("Activate this switch if your panorama has a nadir."));
    row->end();
    ShowPanorama(false);

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

void OrvPSImageUI::ShowPanorama(bool on) {
    fPanorama->value(on);
    if (on) {
        fZenith->activate();
        fNadir->activate();
    } else {
        fZenith->deactivate();
        fNadir->deactivate();
    }
}

void OrvPSImageUI::Connect(OrvMappingStage& stage) {
    profileChosen.connect([&stage](const std::string& path) { stage.SetProfile(path); });
    fPanorama->callback([](Fl_Widget* w, void* s) { static_cast<OrvMappingStage*>(s)->SetPanorama(static_cast<Fl_Button*>(w)->value()); }, &stage);
    fZenith->callback([](Fl_Widget* w, void* s) { static_cast<OrvMappingStage*>(s)->SetZenith(static_cast<Fl_Button*>(w)->value()); }, &stage);
    fNadir->callback([](Fl_Widget* w, void* s) { static_cast<OrvMappingStage*>(s)->SetNadir(static_cast<Fl_Button*>(w)->value()); }, &stage);
    // Member slots of a trackable: the connections end with this widget.
    stage.profileChanged.connect(sigc::mem_fun(*this, &OrvPSImageUI::ShowProfile));
    stage.panoramaChanged.connect(sigc::mem_fun(*this, &OrvPSImageUI::ShowPanorama));
    stage.zenithChanged.connect(sigc::mem_fun(*this, &OrvPSImageUI::ShowZenith));
    stage.nadirChanged.connect(sigc::mem_fun(*this, &OrvPSImageUI::ShowNadir));
    ShowProfile(stage.Profile());
    ShowPanorama(stage.Panorama());
    ShowZenith(stage.Zenith());
    ShowNadir(stage.Nadir());
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
