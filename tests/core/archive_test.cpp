#include <gtest/gtest.h>
#include "core/archive.h"
TEST(Archive, Smoke) { kav::CArchive ar("x"); ar.WriteWord(1); EXPECT_EQ(ar.Bytes().size(), 2u); }
