// Tests of the viewer interface's defaults, fixed-size texts, component name and attributes.
#include <string>

#include <gtest/gtest.h>

#include "DXF_Interface.h"

namespace {

TEST(ViewerInterfaceDefaults, FreshObject) {
  DXF_Interface iface;
  EXPECT_EQ(iface.settingsFile, nullptr);
  EXPECT_TRUE(iface.workPath.empty());
  EXPECT_TRUE(iface.drawingTitle.empty());
  EXPECT_FALSE(iface.infoText.has_value());
  EXPECT_EQ(iface.startRotation, 0);
  EXPECT_EQ(iface.startViewType, 5);
  EXPECT_EQ(iface.registryCursor(), 0);
  EXPECT_EQ(iface.registrationValue(), 0);
  EXPECT_EQ(iface.frameGeometry.dimW, 640);
  EXPECT_EQ(iface.frameGeometry.dimH, 480);
  EXPECT_EQ(iface.frameGeometry.posX, 0);
  EXPECT_EQ(iface.frameGeometry.posY, 0);
  EXPECT_EQ(iface.frameGeometry.state, 0);
  EXPECT_EQ(iface.hasComponentName(), 0);
  EXPECT_EQ(iface.componentName(), nullptr);
}

TEST(ViewerInterfaceTexts, FixedSizeTextsAreCut) {
  DXF_Interface iface;
  iface.workPath = std::string(400, 'p');
  EXPECT_EQ(iface.workPath.size(), 259U);
  iface.cadVersion = "AutoCAD LT 2000 with a very long suffix";
  EXPECT_EQ(iface.cadVersion.size(), 29U);
  iface.drawingTitle = std::string(300, 't');
  EXPECT_EQ(iface.drawingTitle.size(), 199U);
  iface.drawingTitle = nullptr;
  EXPECT_TRUE(iface.drawingTitle.empty());
  iface.workPath = "/short";
  EXPECT_TRUE(iface.workPath == "/short");
}

TEST(ViewerInterfaceAttributes, UnknownKeyGivesTheKeyItself) {
  DXF_Interface iface;
  const char* key = "Werkstoff";
  EXPECT_EQ(iface.attributeValue(key), key);
  iface.addAttribute("Norm", "DIN 912");
  EXPECT_EQ(iface.attributeValue(key), key);
  EXPECT_EQ(iface.attributeValue(nullptr), nullptr);
}

TEST(ViewerInterfaceAttributes, FirstOfEqualKeysWins) {
  DXF_Interface iface;
  iface.addAttribute("Norm", "DIN 912");
  iface.addAttribute("Norm", "ISO 4762");
  EXPECT_STREQ(iface.attributeValue("Norm"), "DIN 912");
  EXPECT_STREQ(iface.attributeValue("norm"), "norm");
}

TEST(ViewerInterfaceAttributes, RemoveTakesTheFirstMatchOnly) {
  DXF_Interface iface;
  EXPECT_FALSE(iface.removeAttribute("Norm"));
  iface.addAttribute("Norm", "DIN 912");
  iface.addAttribute("Norm", "ISO 4762");
  EXPECT_FALSE(iface.removeAttribute("Other"));
  EXPECT_TRUE(iface.removeAttribute("Norm"));
  EXPECT_STREQ(iface.attributeValue("Norm"), "ISO 4762");
  EXPECT_TRUE(iface.removeAttribute("Norm"));
  EXPECT_STREQ(iface.attributeValue("Norm"), "Norm");
}

TEST(ViewerInterfaceName, ResetDropsAttributesSetKeepsThem) {
  DXF_Interface iface;
  iface.addAttribute("Norm", "DIN 912");
  iface.setComponentName("Schraube");
  EXPECT_EQ(iface.hasComponentName(), 1);
  EXPECT_STREQ(iface.componentName(), "Schraube");
  EXPECT_STREQ(iface.attributeValue("Norm"), "DIN 912");

  iface.resetComponentName("Mutter");
  EXPECT_STREQ(iface.componentName(), "Mutter");
  EXPECT_STREQ(iface.attributeValue("Norm"), "Norm");

  iface.resetComponentName(nullptr);
  EXPECT_EQ(iface.hasComponentName(), 0);
  EXPECT_EQ(iface.componentName(), nullptr);
  iface.addAttribute("Norm", "again");
  EXPECT_STREQ(iface.attributeValue("Norm"), "again");
}

TEST(ViewerInterfaceName, UsableThroughTheBasis) {
  std::unique_ptr<DXF_Interface_Basis> basis = std::make_unique<DXF_Interface>();
  basis->addComponent(1, 1, "a", 0);
  basis->resetComponentName("x");
  EXPECT_STREQ(basis->componentName(), "x");
  EXPECT_NE(basis->findComponent(1, 1, 0), nullptr);
}

}  // namespace
