// The document profile chooser and the panorama switches of the main dialog.
#pragma once

#include "mapping/KnownProfiles.h"

#include <FL/Fl_Choice.H>
#include <FL/Fl_Light_Button.H>
#include <FL/Fl_Pack.H>
#include <sigc++/sigc++.h>

#include <optional>
#include <string>
#include <vector>

class OrvMappingStage;

/// A pack holding the "Profile" choice. Its items are the product descriptions of the known
/// matrix/TRC RGB profiles (ChoosableProfiles()); picking one emits profileChosen with the path of
/// the first known file of that description. Building it reads the profile files but never opens
/// the display.
class OrvPSImageUI : public Fl_Pack, public sigc::trackable {
public:
    OrvPSImageUI(int x, int y, int w, int h, const char* label = nullptr);
    ~OrvPSImageUI() override;

    /// Emitted with the chosen profile's path when the user picks an item.
    sigc::signal<void, std::string> profileChosen;

    /// Selects the item of the profile at `path` without emitting anything. Leaves the selection
    /// alone when the file does not open or no item has its description.
    void ShowProfile(const std::string& path);

    Fl_Choice* Choice() { return fProfile; }
    Fl_Light_Button* PanoramaSwitch() { return fPanorama; }
    Fl_Light_Button* ZenithSwitch() { return fZenith; }
    Fl_Light_Button* NadirSwitch() { return fNadir; }

    /// Two-way link with the stage: choices and switches set the stage, and the
    /// stage's notifications (also from loading settings or defaults) show in
    /// the widgets. Zenith and nadir are usable only while panorama is on.
    void Connect(OrvMappingStage& stage);

private:
    static void ProfileCallback(Fl_Widget* widget, void* self);
    void OnProfile();

    void ShowPanorama(bool on);
    void ShowZenith(bool on) { fZenith->value(on); }
    void ShowNadir(bool on) { fNadir->value(on); }

    Fl_Choice* fProfile = nullptr;
    Fl_Light_Button* fPanorama = nullptr;
    Fl_Light_Button* fZenith = nullptr;
    Fl_Light_Button* fNadir = nullptr;
    // Item index -> profile; built together with the menu.
    std::vector<orv::ProfileChoice> fChoices;
};

namespace orv {

/// `text` escaped for Fl_Menu_::add so that it shows literally: '/' (sub-menu separator), '\\'
/// (escape), '_' (divider marker) are prefixed with a backslash, '&' (shortcut marker) and '@'
/// (symbol marker) are doubled.
std::string MenuLabel(const std::string& text);

}  // namespace orv
