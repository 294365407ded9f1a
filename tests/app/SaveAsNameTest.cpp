// The file name save-as proposes.
#include "app/SaveAsName.h"

#include <gtest/gtest.h>

namespace {

TEST(SaveAsName, WithoutATitleEveryDxfFileIsOffered) {
  EXPECT_EQ(proposedSaveName(""), "*.dxf");
  EXPECT_EQ(proposedSaveName(nullptr), "*.dxf");
}

TEST(SaveAsName, TitleGetsUnderscoresForTheCharactersFileNamesCannotHold) {
  EXPECT_EQ(proposedSaveName("Flansch DN50/PN16?"), "Flansch DN50_PN16_.dxf");
  EXPECT_EQ(proposedSaveName("a*b/c:d<e>f?g\\h|i"), "a_b_c_d_e_f_g_h_i.dxf");
}

TEST(SaveAsName, WithoutATitleTheOpenedFileIsOffered) {
  EXPECT_EQ(proposedSaveName("", "/home/me/drawings/plate.DXF"), "plate.DXF");
  EXPECT_EQ(proposedSaveName("", ""), "*.dxf");
  EXPECT_EQ(proposedSaveName("Title", "/x/plate.dxf"), "Title.dxf");
}

TEST(SaveAsName, TypedNamesWithoutExtensionGetDxf) {
  EXPECT_EQ(withDxfExtension("/tmp/copy"), "/tmp/copy.dxf");
  EXPECT_EQ(withDxfExtension("/tmp/copy.DXF"), "/tmp/copy.DXF");
  EXPECT_EQ(withDxfExtension("/tmp/copy.txt"), "/tmp/copy.txt");
  EXPECT_EQ(withDxfExtension("/tmp/v1.2/copy"), "/tmp/v1.2/copy.dxf");
}

TEST(SaveAsName, OtherCharactersStay) {
  EXPECT_EQ(proposedSaveName("Ventil \"Typ A\" \xD8"
                             "20 + 5%"),
            "Ventil \"Typ A\" \xD8"
            "20 + 5%.dxf");
  EXPECT_EQ(proposedSaveName("*"), "_.dxf");
}

}  // namespace
