#pragma once
// Installs a fake screen device and leaves the process-wide page state as
// it found it: screen scales, the default page size, page 0 current, no
// document hooks.
#include <gtest/gtest.h>

#include "fake_device.h"
#include "output/page_context.h"
#include "output/page_layout.h"

namespace kav::test {

class PageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetScreenDevice(&screen);
    SetCurrentPage(0);
  }
  void TearDown() override {
    if (IsPrinting()) EndPrinting();
    SetScreenDevice(nullptr);
    SetPageSizeMm(200.0f, 280.0f);
    SetPageContext({});
    SetCurrentPage(0);
  }

  FakeDevice screen;  // measures the layouts
  FakeDevice device;  // is drawn on
};

}  // namespace kav::test
