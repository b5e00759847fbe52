#pragma once

#include "store/Database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kzp::test {

// A fresh working directory with its database open.
class DataFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_db.open(m_dir.path());
    }
    QString workDir() const { return m_db.workDir(); }

    QTemporaryDir m_dir;
    store::Database m_db;
};

} // namespace kzp::test
