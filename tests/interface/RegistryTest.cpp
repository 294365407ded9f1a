// Tests of the component registry: rows by view number, scans, the shared cursor, paths.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "interface/DXF_Interface.h"

namespace {

constexpr int slots = DXF_Interface::slotsPerRow;

TEST(RegistryAdd, RowsByViewNumberAndTheRegistrationValue) {
  DXF_Interface iface;
  for (const int view : {0, 7, 9, -1}) EXPECT_FALSE(iface.addComponent(view, 1, "x", view));
  EXPECT_EQ(iface.registrationValue(), -1);
  for (const int view : {1, 2, 3, 4, 5, 6, 8}) EXPECT_TRUE(iface.addComponent(view, view, "x", 0));
  EXPECT_EQ(iface.findComponent(8, 8, 0)->key, 8);
  EXPECT_EQ(iface.findComponent(7, 8, 0), nullptr);
}

TEST(RegistryAdd, MatrixIsCopiedAndDefaultsToTheIdentity) {
  DXF_Interface iface;
  DXF_Bauteil::Matrix given{};
  for (int i = 0; i < 16; ++i) given[i] = i * 0.5;
  iface.addComponentWithMatrix(2, 5, "bolt", given, 0);
  iface.addComponent(2, 6, "plate", 0);
  given[0] = 99.0;
  DXF_Bauteil::Matrix out{};
  EXPECT_EQ(iface.componentMatrix(2, 5, out), 1);
  EXPECT_EQ(out[0], 0.0);
  EXPECT_EQ(out[15], 7.5);
  EXPECT_EQ(iface.componentMatrix(2, 6, out), 2);
  EXPECT_EQ(out, DXF_Bauteil::identity);
}

TEST(RegistryAdd, FullRowRefusesAndHandsAGivenComponentBack) {
  DXF_Interface iface;
  auto first = std::make_unique<DXF_Bauteil>(1, "first");
  DXF_Bauteil* raw = first.get();
  EXPECT_EQ(iface.addComponentObject(3, std::move(first), 0), nullptr);
  EXPECT_EQ(iface.findComponent(3, 1, 0), raw);
  for (int i = 1; i < slots; ++i) EXPECT_TRUE(iface.addComponent(3, i + 1, "c", 0));
  EXPECT_FALSE(iface.addComponent(3, 999, "extra", 0));
  EXPECT_EQ(iface.findComponent(3, 999, 0), nullptr);
  auto back = iface.addComponentObject(3, std::make_unique<DXF_Bauteil>(998, "obj"), 0);
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->key, 998);
}

TEST(RegistryFind, NthComponentWithAKey) {
  DXF_Interface iface;
  iface.addComponent(5, 1, "a", 0);
  iface.addComponent(5, 2, "b", 0);
  iface.addComponent(5, 1, "c", 0);
  EXPECT_EQ(iface.findComponent(5, 1, 1)->fileName, "c");
  EXPECT_EQ(iface.findComponent(5, 1, 2), nullptr);
  EXPECT_EQ(iface.findComponent(5, 1, -1), nullptr);
}

TEST(RegistryCursor, NextKeyListsTheRowThenZeroAndStartsAgain) {
  DXF_Interface iface;
  EXPECT_EQ(iface.nextComponentKey(3), 0);
  iface.addComponent(3, 7, "seven", 0);
  iface.addComponent(3, 9, "nine", 0);
  for (const int key : {7, 9, 0, 7}) EXPECT_EQ(iface.nextComponentKey(3), key);
  EXPECT_EQ(iface.nextComponentKey(7), 0);
  EXPECT_EQ(iface.registryCursor(), 0);

  for (int i = 0; i < slots; ++i) iface.addComponent(1, i + 1, "c", 0);
  int last = 0;
  for (int i = 0; i < slots; ++i) last = iface.nextComponentKey(1);
  EXPECT_EQ(last, slots);
  EXPECT_EQ(iface.nextComponentKey(1), 0);
}

TEST(RegistryFiles, ComponentFileJoinsFolderNameAndExtension) {
  DXF_Interface iface;
  iface.addComponent(5, 2, "Flansch", 0);
  iface.addComponent(5, 2, "Deckel", 0);
  std::string path;
  EXPECT_EQ(iface.componentFile(5, 2, path, 0), 1);
  EXPECT_EQ(path, "Flansch.dxf");
  iface.drawingDir = "/data/drawings";
  EXPECT_EQ(iface.componentFile(7, 2, path, 1), 2);  // 7 has no row: row of 5
  EXPECT_EQ(path, "/data/drawings" + std::string(1, std::filesystem::path::preferred_separator) +
                      "Deckel.dxf");
  path = "unchanged";
  EXPECT_EQ(iface.componentFile(5, 2, path, 2), 0);
  EXPECT_EQ(iface.registryCursor(), 0);
  EXPECT_EQ(path, "unchanged");
}

TEST(RegistryFiles, NoMatchInAFullRowOrAViewWithoutRowIsNotSuccess) {
  DXF_Interface iface;
  for (int i = 0; i < slots; ++i) iface.addComponent(1, 1, "c", 0);
  std::string path;
  DXF_Bauteil::Matrix matrix{};
  EXPECT_NE(iface.componentFile(1, 1, path, 0), 0);
  EXPECT_EQ(iface.componentFile(1, 2, path, 0), 0);
  EXPECT_NE(iface.componentMatrix(1, 1, matrix), 0);
  EXPECT_EQ(iface.componentMatrix(7, 1, matrix), 0);
  EXPECT_EQ(iface.registryCursor(), 1);
  EXPECT_EQ(iface.componentMatrix(1, 2, matrix), 0);
  EXPECT_EQ(iface.registryCursor(), 0);
}

TEST(RegistryFiles, KeyOfFileIgnoresCaseFolderAndExtension) {
  DXF_Interface iface;
  iface.addComponent(4, 11, "Welle", 0);
  iface.addComponent(4, 12, "Nabe", 0);
  EXPECT_EQ(iface.keyOfFile(4, "C:\\Teile\\WELLE.DXF"), 11);
  EXPECT_EQ(iface.keyOfFile(4, "/home/user/nabe.dxf"), 12);
  EXPECT_EQ(iface.keyOfFile(4, "nabel.dxf"), 0);
  EXPECT_EQ(iface.keyOfFile(7, "Welle.dxf"), 0);
}

}  // namespace
