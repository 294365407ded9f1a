// Admission of a drawing by the layers of the settings.
#include "app/OpenAdmission.h"

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "document/DXF_Zeichnung.h"
#include "dxf/Layer.h"

namespace {

std::unique_ptr<DXF_Zeichnung> drawingWith(std::initializer_list<const char*> layers) {
  auto drawing = std::make_unique<DXF_Zeichnung>();
  for (const char* name : layers) drawing->layers().append(std::make_unique<Layer>(name));
  return drawing;
}

TEST(OpenAdmission, SilLayerAdmitsWithTheCommands) {
  EXPECT_EQ(admitDrawing(*drawingWith({"KONTUR", "SILHOUETTE"}), "SILHOUETTE", "MASSBILD", true),
            Admission::WithCommands);
}

TEST(OpenAdmission, AlternativeLayerAdmitsWithoutTheCommands) {
  EXPECT_EQ(admitDrawing(*drawingWith({"MASSBILD"}), "SILHOUETTE", "MASSBILD", true),
            Admission::WithoutCommands);
}

TEST(OpenAdmission, DrawingWithBothLayersIsShownWithoutTheCommands) {
  EXPECT_EQ(admitDrawing(*drawingWith({"SILHOUETTE", "MASSBILD"}), "SILHOUETTE", "MASSBILD", true),
            Admission::WithoutCommands);
}

TEST(OpenAdmission, NeitherLayerOrOnlyTheSwitchedOffAlternativeRefuses) {
  EXPECT_EQ(admitDrawing(*drawingWith({"0", "KONTUR"}), "SILHOUETTE", "MASSBILD", true),
            Admission::Refused);
  EXPECT_EQ(admitDrawing(*drawingWith({"MASSBILD"}), "SILHOUETTE", "MASSBILD", false),
            Admission::Refused);
}

TEST(OpenAdmission, NamesAreComparedExactly) {
  EXPECT_EQ(
      admitDrawing(*drawingWith({"silhouette", "SILHOUETTE "}), "SILHOUETTE", "MASSBILD", true),
      Admission::Refused);
}

TEST(OpenAdmission, MissingSettingsAdmitOnlyALayerWithTheEmptyName) {
  EXPECT_EQ(admitDrawing(*drawingWith({"0"}), "", "", true), Admission::Refused);
  EXPECT_EQ(admitDrawing(*drawingWith({""}), "", "", true), Admission::WithoutCommands);
}

TEST(OpenAdmission, LongNameMatchesTheLayerAsTheDrawingKeepsIt) {
  const std::string longName(70, 'L');
  // The drawing keeps layer names cut to their field; the setting is cut alike.
  EXPECT_EQ(admitDrawing(*drawingWith({longName.c_str()}), longName.c_str(), "MASSBILD", true),
            Admission::WithCommands);
  EXPECT_EQ(admitDrawing(*drawingWith({"0"}), (longName + "0").c_str(), "MASSBILD", true),
            Admission::Refused);
}

}  // namespace
