// Tests of the component registry: rows by view number, scans, the shared cursor, paths.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "DXF_Interface.h"

namespace {

const std::string sep(1, std::filesystem::path::preferred_separator);

TEST(RegistryRows, ViewNumbersMapToRowsAndSevenHasNone) {
  const int expected[] = {-1, 0, 1, 2, 3, 4, 5, -1, 6, -1};
  for (int view = 0; view < 10; ++view) {
    EXPECT_EQ(DXF_Interface::registryRow(view), expected[view]) << view;
  }
  EXPECT_EQ(DXF_Interface::registryRow(-1), -1);
}

TEST(RegistryAdd, RegistrationRecordsTheValueEvenWithoutRow) {
  DXF_Interface iface;
  EXPECT_FALSE(iface.addComponent(7, 1, "part", 42));
  EXPECT_EQ(iface.registrationValue(), 42);
  EXPECT_EQ(iface.findComponent(7, 1, 0), nullptr);
  EXPECT_TRUE(iface.addComponent(8, 1, "part", 43));
  EXPECT_EQ(iface.registrationValue(), 43);
  EXPECT_NE(iface.findComponent(8, 1, 0), nullptr);
}

TEST(RegistryAdd, ComponentWithoutMatrixGetsTheIdentity) {
  DXF_Interface iface;
  iface.addComponent(1, 3, "plate", 0);
  DXF_Bauteil::Matrix matrix{};
  matrix.fill(-1.0);
  EXPECT_EQ(iface.componentMatrix(1, 3, matrix), 1);
  EXPECT_EQ(matrix, DXF_Bauteil::identity);
}

TEST(RegistryAdd, MatrixIsCopiedRowByRow) {
  DXF_Interface iface;
  DXF_Bauteil::Matrix given{};
  for (int i = 0; i < 16; ++i) given[i] = i * 0.5;
  iface.addComponentWithMatrix(2, 5, "bolt", given, 0);
  given[0] = 99.0;
  DXF_Bauteil::Matrix out{};
  EXPECT_NE(iface.componentMatrix(2, 5, out), 0);
  EXPECT_EQ(out[0], 0.0);
  EXPECT_EQ(out[15], 7.5);
}

TEST(RegistryAdd, A157thRegistrationIsIgnored) {
  DXF_Interface iface;
  for (int i = 0; i < DXF_Interface::slotsPerRow; ++i) {
    EXPECT_TRUE(iface.addComponent(3, i + 1, "c" + std::to_string(i), 0));
  }
  EXPECT_FALSE(iface.addComponent(3, 999, "extra", 0));
  EXPECT_EQ(iface.findComponent(3, 999, 0), nullptr);
  auto handedBack = iface.addComponentObject(3, std::make_unique<DXF_Bauteil>(998, "obj"), 0);
  ASSERT_NE(handedBack, nullptr);
  EXPECT_EQ(handedBack->key, 998);
  EXPECT_TRUE(iface.addComponent(4, 1, "other row", 0));
}

TEST(RegistryAdd, GivenComponentIsTakenOverWhenStored) {
  DXF_Interface iface;
  auto component = std::make_unique<DXF_Bauteil>(4, "frame");
  DXF_Bauteil* raw = component.get();
  EXPECT_EQ(iface.addComponentObject(6, std::move(component), 1), nullptr);
  EXPECT_EQ(iface.findComponent(6, 4, 0), raw);
  EXPECT_EQ(iface.addComponentObject(6, nullptr, 2), nullptr);
  EXPECT_EQ(iface.registrationValue(), 2);
  auto refused = iface.addComponentObject(7, std::make_unique<DXF_Bauteil>(1, "x"), 3);
  EXPECT_NE(refused, nullptr);
}

TEST(RegistryFind, NthComponentWithAKey) {
  DXF_Interface iface;
  iface.addComponent(5, 1, "a", 0);
  iface.addComponent(5, 2, "b", 0);
  iface.addComponent(5, 1, "c", 0);
  EXPECT_EQ(iface.findComponent(5, 1, 0)->fileName, "a");
  EXPECT_EQ(iface.findComponent(5, 1, 1)->fileName, "c");
  EXPECT_EQ(iface.findComponent(5, 1, 2), nullptr);
  EXPECT_EQ(iface.findComponent(5, 1, -1), nullptr);
  EXPECT_EQ(iface.findComponent(4, 1, 0), nullptr);
}

TEST(RegistryCursor, NextKeyListsTheRowThenZeroAndStartsAgain) {
  DXF_Interface iface;
  EXPECT_EQ(iface.nextComponentKey(3), 0);
  iface.addComponent(3, 7, "seven", 0);
  iface.addComponent(3, 9, "nine", 0);
  EXPECT_EQ(iface.nextComponentKey(3), 7);
  EXPECT_EQ(iface.nextComponentKey(3), 9);
  EXPECT_EQ(iface.nextComponentKey(3), 0);
  EXPECT_EQ(iface.nextComponentKey(3), 7);
  EXPECT_EQ(iface.nextComponentKey(7), 0);
  EXPECT_EQ(iface.registryCursor(), 0);
}

TEST(RegistryCursor, NextKeyEndsAfterAFullRow) {
  DXF_Interface iface;
  for (int i = 0; i < DXF_Interface::slotsPerRow; ++i) iface.addComponent(1, i + 1, "c", 0);
  int last = 0;
  for (int i = 0; i < DXF_Interface::slotsPerRow; ++i) last = iface.nextComponentKey(1);
  EXPECT_EQ(last, DXF_Interface::slotsPerRow);
  EXPECT_EQ(iface.nextComponentKey(1), 0);
  EXPECT_EQ(iface.nextComponentKey(1), 1);
}

TEST(RegistryFiles, ComponentFileJoinsFolderNameAndExtension) {
  DXF_Interface iface;
  iface.addComponent(5, 2, "Flansch", 0);
  std::string path;
  EXPECT_EQ(iface.componentFile(5, 2, path, 0), 1);
  EXPECT_EQ(path, "Flansch.dxf");
  iface.drawingDir = "/data/drawings";
  EXPECT_EQ(iface.componentFile(5, 2, path, 0), 2);
  EXPECT_EQ(path, "/data/drawings" + sep + "Flansch.dxf");
}

TEST(RegistryFiles, ComponentFileOfAnUnknownViewLooksInRowFive) {
  DXF_Interface iface;
  iface.addComponent(5, 1, "front", 0);
  std::string path;
  EXPECT_NE(iface.componentFile(7, 1, path, 0), 0);
  EXPECT_EQ(path, "front.dxf");
  EXPECT_NE(iface.componentFile(42, 1, path, 0), 0);
  EXPECT_EQ(iface.findComponent(7, 1, 0), nullptr);
}

TEST(RegistryFiles, ComponentFileWithoutMatchResetsTheCursorAndLeavesThePath) {
  DXF_Interface iface;
  iface.addComponent(2, 1, "a", 0);
  iface.addComponent(2, 1, "b", 0);
  std::string path = "unchanged";
  EXPECT_NE(iface.componentFile(2, 1, path, 1), 0);
  EXPECT_EQ(path, "b.dxf");
  path = "unchanged";
  EXPECT_EQ(iface.componentFile(2, 1, path, 2), 0);
  EXPECT_EQ(iface.registryCursor(), 0);
  EXPECT_EQ(path, "unchanged");
}

TEST(RegistryFiles, NoMatchInAFullRowIsNotReportedAsSuccess) {
  DXF_Interface iface;
  for (int i = 0; i < DXF_Interface::slotsPerRow; ++i) iface.addComponent(1, 1, "c", 0);
  std::string path;
  DXF_Bauteil::Matrix matrix{};
  EXPECT_NE(iface.componentFile(1, 1, path, 0), 0);
  EXPECT_EQ(iface.componentFile(1, 2, path, 0), 0);
  EXPECT_NE(iface.componentMatrix(1, 1, matrix), 0);
  EXPECT_EQ(iface.componentMatrix(1, 2, matrix), 0);
  EXPECT_EQ(iface.keyOfFile(1, "missing"), 0);
}

TEST(RegistryFiles, MatrixOfAViewWithoutRowIsNotFound) {
  DXF_Interface iface;
  iface.addComponent(1, 1, "a", 0);
  DXF_Bauteil::Matrix matrix{};
  EXPECT_EQ(iface.componentMatrix(1, 1, matrix), 1);
  EXPECT_EQ(iface.componentMatrix(7, 1, matrix), 0);
  EXPECT_EQ(iface.registryCursor(), 1);
  EXPECT_EQ(iface.componentMatrix(1, 5, matrix), 0);
  EXPECT_EQ(iface.registryCursor(), 0);
}

TEST(RegistryFiles, KeyOfFileIgnoresCaseFolderAndExtension) {
  DXF_Interface iface;
  iface.addComponent(4, 11, "Welle", 0);
  iface.addComponent(4, 12, "Nabe", 0);
  EXPECT_EQ(iface.keyOfFile(4, "C:\\Teile\\WELLE.DXF"), 11);
  EXPECT_EQ(iface.keyOfFile(4, "/home/user/nabe.dxf"), 12);
  EXPECT_EQ(iface.keyOfFile(4, "nabe"), 12);
  EXPECT_EQ(iface.keyOfFile(4, "nabel.dxf"), 0);
  EXPECT_EQ(iface.keyOfFile(7, "Welle.dxf"), 0);
  EXPECT_EQ(iface.keyOfFile(3, "Welle.dxf"), 0);
}

}  // namespace
