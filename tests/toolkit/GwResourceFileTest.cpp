// Reading the resource file: frames, handler names and the language tables.
#include "toolkit/GwResourceFile.h"

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace {

const char* const kFile = R"(<?xml version="1.0" encoding="UTF-8"?>
<cgw>
  <texts language="0">
    <text en="_Open">Ö_ffnen</text>
    <text en="Save &amp; close">Speichern &amp; schließen</text>
  </texts>
  <interface>
    <object class="GtkAdjustment" id="SB_adjustment"/>
    <object class="GwFrameWindow" id="Frame">
      <signal name="frame-create" handler="CB_create"/>
      <child>
        <object class="GtkButton" id="PB_open">
          <property name="label" translatable="yes">_Open</property>
          <property name="tooltip-text">_Open</property>
          <signal name="clicked" handler="CB_get_factor|0.5"/>
        </object>
      </child>
    </object>
    <object class="GtkMessageDialog" id="MsgBox_Zoom_zu_groß">
      <property name="text" translatable="yes">Save &amp; close</property>
    </object>
  </interface>
</cgw>
)";

TEST(GwResourceFile, ListsFramesHelpersAndHandlerNamesWithoutTheirUserData) {
  GwResourceFile file;
  ASSERT_TRUE(file.parse(kFile)) << file.error();
  EXPECT_EQ(file.frameIds(), (std::set<std::string>{"Frame", "MsgBox_Zoom_zu_groß"}));
  EXPECT_EQ(file.helperIds(), (std::set<std::string>{"SB_adjustment"}));
  EXPECT_EQ(file.handlerNames(), (std::set<std::string>{"CB_create", "CB_get_factor"}));
}

TEST(GwResourceFile, GermanReplacesOnlyTextsMarkedTranslatable) {
  GwResourceFile file;
  ASSERT_TRUE(file.parse(kFile));
  const std::string german = file.interfaceFor(0);
  EXPECT_NE(german.find("translatable=\"yes\">Ö_ffnen</property>"), std::string::npos);
  EXPECT_NE(german.find("<property name=\"tooltip-text\">_Open</property>"), std::string::npos);
  // Entities in the table and in the interface are compared as text and written escaped.
  EXPECT_NE(german.find(">Speichern &amp; schließen</property>"), std::string::npos);
  EXPECT_EQ(german.rfind("<interface>", 0), 0u);
  EXPECT_EQ(german.substr(german.size() - 12), "</interface>");
}

TEST(GwResourceFile, LanguageWithoutTableKeepsTheTextsAsWritten) {
  GwResourceFile file;
  ASSERT_TRUE(file.parse(kFile));
  EXPECT_EQ(file.interfaceFor(1), file.interfaceFor(7));
  EXPECT_NE(file.interfaceFor(1).find(">_Open</property>"), std::string::npos);
}

TEST(GwResourceFile, MalformedOrIncompleteFilesAreRefused) {
  GwResourceFile file;
  EXPECT_FALSE(file.parse("<cgw><interface><object></interface></cgw>"));
  EXPECT_FALSE(file.error().empty());
  EXPECT_FALSE(file.parse("<cgw><texts language=\"0\"/></cgw>"));
  EXPECT_FALSE(file.read("/nonexistent/geo.cgw"));
}

TEST(GwResourceFile, ShippedFileHasTheFramesTheProgramLoads) {
  GwResourceFile file;
  ASSERT_TRUE(file.read(std::string(DXFV_RESOURCES) + "/geo.cgw")) << file.error();
  for (const char* frame :
       {"Anwendungsfenster", "DXFViewer_Dialog", "Layerdefinition_Dialog", "AutoCAD_Dialog",
        "DF_Info", "MsgBox_Kann_nicht_anzeigen", "MsgBox_Layer_fehlt",
        "MsgBox_Fehler_beim_Speichern", "MsgBox_Zoom_zu_groß", "MsgBox_Zoom_zu_klein",
        "MsgBox_Ausschnitt_zu_klein", "MsgBox_DDE_initialize", "MsgBox_DDE_connect",
        "MsgBox_DDE_Blockname", "MsgBox_DDE_Pfad", "MsgBox_Nicht_verfuegbar"}) {
    EXPECT_TRUE(file.frameIds().count(frame)) << frame;
  }
}

TEST(GwResourceFile, EveryGermanTextOfTheShippedFileTranslatesSomething) {
  GwResourceFile file;
  ASSERT_TRUE(file.read(std::string(DXFV_RESOURCES) + "/geo.cgw"));
  const std::string english = file.interfaceFor(1);
  const std::string german = file.interfaceFor(0);
  EXPECT_NE(english, german);
  // No English text marked translatable is left in the German interface, except texts
  // that read the same in both languages (they have no table entry).
  EXPECT_EQ(german.find(">_File<"), std::string::npos);
  EXPECT_NE(german.find(">_Datei<"), std::string::npos);
}

}  // namespace
