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

TEST(SaveAsName, OtherCharactersStay) {
  EXPECT_EQ(proposedSaveName("Ventil \"Typ A\" \xD8" "20 + 5%"),
            "Ventil \"Typ A\" \xD8" "20 + 5%.dxf");
  EXPECT_EQ(proposedSaveName("*"), "_.dxf");
}

}  // namespace
