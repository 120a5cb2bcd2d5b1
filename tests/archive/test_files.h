// A throwaway folder for one test, with files written into it.
#pragma once
#include <string>

#include <gtest/gtest.h>

#include "tests/archive/archive_fixtures.h"
#include "tests/support/temp_dir.h"

class FilesTest : public ::testing::Test
{
protected:
    // Writes the bytes to a new file in the test's folder; returns its path.
    std::string Put(const std::string& name, const std::string& bytes)
    {
        std::string path = fixtures::JoinPath(m_dir.path(), name);
        EXPECT_TRUE(fixtures::WriteFile(path, bytes)) << path;
        return path;
    }
    std::string PathOf(const std::string& name) const { return fixtures::JoinPath(m_dir.path(), name); }

    TempDir m_dir;
};
