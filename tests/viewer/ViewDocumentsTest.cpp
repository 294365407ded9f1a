// The view document table: one owned document per view type.
#include "viewer/ViewDocuments.h"

#include <gtest/gtest.h>

#include "viewer/ViewerSession.h"

namespace {

class ViewDocumentsTest : public ::testing::Test {
 protected:
  ViewDocuments table_;
};

TEST_F(ViewDocumentsTest, ReplacingASlotGivesItTheNewDocument) {
  auto first = std::make_unique<DXF_Zeichnung>();
  DXF_Zeichnung* firstAddress = first.get();
  table_.replace(0, std::move(first));
  EXPECT_EQ(table_.at(0), firstAddress);
  table_.replace(0, std::make_unique<DXF_Zeichnung>());
  EXPECT_NE(table_.at(0), nullptr);
  table_.replace(0, nullptr);
  EXPECT_EQ(table_.at(0), nullptr);
}

TEST(ViewerSessionTest, CurrentDocumentIsThatOfTheCurrentViewType) {
  ViewerSession session;
  session.documents.replace(5, std::make_unique<DXF_Zeichnung>());
  EXPECT_EQ(session.currentDocument(), nullptr);
  session.view.viewType = 5;
  EXPECT_EQ(session.currentDocument(), session.documents.at(5));
  session.documents.clear();
  EXPECT_EQ(session.currentDocument(), nullptr);
}

TEST_F(ViewDocumentsTest, NumbersOutsideTheTableHaveNoDocument) {
  table_.replace(10, std::make_unique<DXF_Zeichnung>());
  table_.replace(-1, std::make_unique<DXF_Zeichnung>());
  EXPECT_EQ(table_.at(10), nullptr);
  EXPECT_EQ(table_.at(-1), nullptr);
}

TEST_F(ViewDocumentsTest, ViewNames) {
  EXPECT_STREQ(ViewDocuments::viewName(0), "NO_VIEW");
  EXPECT_STREQ(ViewDocuments::viewName(1), "_VIEW_1");
  EXPECT_STREQ(ViewDocuments::viewName(7), "_VIEW_7");
  EXPECT_STREQ(ViewDocuments::viewName(8), "VIEW_ALL");
  EXPECT_STREQ(ViewDocuments::viewName(9), "");
}

}  // namespace
