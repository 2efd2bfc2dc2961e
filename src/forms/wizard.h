// The search wizard: a kind of object, a constellation above the horizon now and altitude and
// magnitude limits become the names and limits of an ordinary search. Its text boxes also take
// names and limits typed directly (the detailed search).
#pragma once

#include <string>

#include "catalog/wizard_patterns.h"
#include "forms/control.h"
#include "forms/dialog_services.h"
#include "forms/search_commands.h"
#include "session/session_state.h"

namespace talvo {

class Wizard {
public:
    Wizard(SessionState& state, SearchCommands& searches, DialogServices& dialogs);

    std::string caption = "Search Wizard plus Detailed Search";
    bool visible = false;
    Colour backColor = kDarkRed;  // the main window's colours when the window opened
    Colour foreColor = kYellow;

    Control WizardLabel, DSLabel;

    // Deep-sky objects (Option1) and their kinds; each option is described by the label after it.
    Control Label1;
    CheckControl Option1;
    CheckControl Option3, Option4, Option5, Option6, Option7, Option8, Option13;
    Control AnyKind, OpenClus, Nebulae, Galaxies, Globular, Planetaries, Quasars;

    // Double and carbon stars (Option2).
    Control Label2;
    CheckControl Option2;
    CheckControl Option10, Option11, Option12;
    Control BestDoubles, AnyDouble, CarbonStar;

    // A specific star (Option9): a Greek letter chosen or a number typed in Combo1 (its caption
    // is the text typed).
    Control Label7;
    CheckControl Option9;
    ListControl Combo1;
    Control GreekLabel;

    // The constellations above the horizon now.
    ListControl ConstList;
    Control ConstLabel;

    // The search: text boxes (their caption is the text) with their labels.
    Control FirstName, Label3;
    Control SecondName, Label4;
    Control MinAltitude, Label5;  // degrees
    Control MaxAltitude, Label8;  // degrees
    Control MinMag, Label6;       // the faintest magnitude
    Control Go, GoLabel;

    // Opens the window for the current catalog: the choices its content flags allow.
    void Form_Load();

    void Option1_Click();  // deep-sky objects
    void Option2_Click();  // double and carbon stars
    void Option9_Click();  // a specific star
    void Option3_Click() { DeepSkyKind_Click(Option3, DeepSkyKind::AnyKind); }
    void Option4_Click() { DeepSkyKind_Click(Option4, DeepSkyKind::OpenClusters); }
    void Option5_Click() { DeepSkyKind_Click(Option5, DeepSkyKind::Nebulae); }
    void Option6_Click() { DeepSkyKind_Click(Option6, DeepSkyKind::Galaxies); }
    void Option7_Click() { DeepSkyKind_Click(Option7, DeepSkyKind::Globulars); }
    void Option8_Click() { DeepSkyKind_Click(Option8, DeepSkyKind::Planetaries); }
    void Option13_Click() { DeepSkyKind_Click(Option13, DeepSkyKind::Quasars); }
    void Option10_Click();  // "Best of Sky" doubles
    void Option11_Click();  // any double
    void Option12_Click();  // carbon stars

    void ConstList_Click(int index);
    void Combo1_Click(int index);
    void Combo1_Change(const std::string& text);
    void FirstName_Change(const std::string& text);
    void SecondName_Change(const std::string& text);
    void MinAltitude_Change(const std::string& text) { MinAltitude.caption = text; }
    void MaxAltitude_Change(const std::string& text) { MaxAltitude.caption = text; }
    void MinMag_Change(const std::string& text) { MinMag.caption = text; }

    // Checks the texts and runs the search they describe; the window closes unless a text was
    // wrong (the observer is told which).
    void Go_Click();

    // Fills ConstList with the constellations above the horizon now.
    void BuildConst();
    // Fills Combo1 with the Greek letters.
    void BuildGreek();

private:
    void DeepSkyKind_Click(CheckControl& option, DeepSkyKind kind);
    // Marks `option` as the one chosen of its group.
    void Choose(CheckControl& option);
    void DoubleChoice(CheckControl& option, const std::string& firstName, const std::string& secondName);
    void ClearDoubleChoices();
    void SetTypeOptions(bool deepSky);
    // Labels of disabled choices are drawn in the highlight colour.
    void DrawLabels();
    bool NamesTypes() const;

    SessionState& state_;
    SearchCommands& searches_;
    DialogServices& dialogs_;
};

}  // namespace talvo
