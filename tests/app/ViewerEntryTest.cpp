// The process entry: the main routine's result, and the last-resort exception handlers.
#include "app/ViewerEntry.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <typeinfo>

#include "platform/MessageBox.h"
#include "gui/GtkTestSupport.h"
#include "support/WithoutDisplay.h"

namespace {

int answerSeven() { return 7; }
int throwBadCast() { throw std::bad_cast(); }
int throwOther() { throw std::runtime_error("disk full"); }

// Fatal messages go to standard error, where the death test reads them.
void messagesToStandardError() {
  setMessageBoxHook([](const std::string& text, const std::string&) {
    std::fprintf(stderr, "%s\n", text.c_str());
  });
}

class ViewerEntry : public testsupport::WithoutDisplayTest {};

// The main routine would end the process with code 3; without a toolkit it never runs.
TEST_F(ViewerEntry, WithoutDisplayTheToolkitCannotStartAndNothingRuns) {
  EXPECT_EXIT(std::exit(viewerEntry(throwOther)), testing::ExitedWithCode(1), "");
}

class ViewerEntryTest : public testsupport::GtkTest {};

TEST_F(ViewerEntryTest, ResultOfTheMainRoutineIsTheExitCode) {
  EXPECT_EQ(viewerEntry(answerSeven), 7);
}

TEST_F(ViewerEntryTest, BadCastEndsTheProcessWithItsOwnMessage) {
  EXPECT_EXIT(
      {
        messagesToStandardError();
        viewerEntry(throwBadCast);
      },
      testing::ExitedWithCode(3), "Bad pointer cast!");
}

TEST_F(ViewerEntryTest, OtherExceptionsEndTheProcessWithTheGeneralMessage) {
  EXPECT_EXIT(
      {
        messagesToStandardError();
        viewerEntry(throwOther);
      },
      testing::ExitedWithCode(3), "General C\\+\\+ exception!");
}

}  // namespace
