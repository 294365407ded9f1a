// Tests of the viewer interface's defaults, fixed-size texts, component name and attributes.
#include <string>

#include <gtest/gtest.h>

#include "interface/DXF_Interface.h"

namespace {

TEST(ViewerInterfaceFields, DefaultsAndCutTexts) {
  DXF_Interface iface;
  EXPECT_EQ(iface.startViewType, 5);
  EXPECT_EQ(iface.frameGeometry.dimW, 640);
  EXPECT_EQ(iface.frameGeometry.dimH, 480);
  EXPECT_FALSE(iface.infoText.has_value());
  iface.workPath = std::string(400, 'p');
  EXPECT_EQ(iface.workPath.size(), 259U);
  iface.cadVersion = "AutoCAD LT 2000 with a very long suffix";
  EXPECT_EQ(iface.cadVersion.size(), 29U);
  iface.drawingTitle = std::string(300, 't');
  EXPECT_EQ(iface.drawingTitle.size(), 199U);
}

TEST(ViewerInterfaceAttributes, UnknownKeyGivesTheKeyAndEqualKeysTheFirst) {
  DXF_Interface iface;
  const char* key = "Norm";
  EXPECT_EQ(iface.attributeValue(key), key);
  EXPECT_FALSE(iface.removeAttribute(key));
  iface.addAttribute("Norm", "DIN 912");
  iface.addAttribute("Norm", "ISO 4762");
  EXPECT_STREQ(iface.attributeValue("Norm"), "DIN 912");
  EXPECT_STREQ(iface.attributeValue("norm"), "norm");
  EXPECT_FALSE(iface.removeAttribute("Other"));
  EXPECT_TRUE(iface.removeAttribute("Norm"));
  EXPECT_STREQ(iface.attributeValue("Norm"), "ISO 4762");
}

TEST(ViewerInterfaceName, ResetDropsAttributesSetKeepsThem) {
  DXF_Interface iface;
  iface.addAttribute("Norm", "DIN 912");
  iface.setComponentName("Schraube");
  EXPECT_EQ(iface.hasComponentName(), 1);
  EXPECT_STREQ(iface.attributeValue("Norm"), "DIN 912");
  iface.resetComponentName("Mutter");
  EXPECT_STREQ(iface.componentName(), "Mutter");
  EXPECT_STREQ(iface.attributeValue("Norm"), "Norm");
  iface.resetComponentName(nullptr);
  EXPECT_EQ(iface.hasComponentName(), 0);
  EXPECT_EQ(iface.componentName(), nullptr);
}

}  // namespace
