// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/ModelFile.h"
#include "session/Session.h"
#include "support/ModelBuilder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <random>

namespace tarnel::test {

// A session over a temporary model folder of its own, whoever else runs the tests at once.
class SessionFixture : public ::testing::Test {
protected:
    static const ::testing::TestInfo& testInfo() {
        return *::testing::UnitTest::GetInstance()->current_test_info();
    }
    SessionFixture() { std::filesystem::create_directories(folder); }
    ~SessionFixture() override { std::filesystem::remove_all(folder); }

    // Writes `model` as model `name` of the folder and opens it; `loaded` is what opened.
    void open(const Model& model, const std::string& name = "demo") {
        write(model, name);
        ASSERT_TRUE(session.openModel(name));
        loaded = session.model();
    }
    void write(const Model& model, const std::string& name) const {
        ASSERT_TRUE(writeModelFile(model, folder / (name + ".tnl")));
    }
    // The model file `name` as it is now, read back.
    Model fileOf(const std::string& name) const {
        const Result<LoadedModel> read = loadModelFile(folder / (name + ".tnl"));
        return read ? read->model : Model{};
    }

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("tarnel-" + std::string(testInfo().name()) + "-" + std::to_string(std::random_device{}()));
    Session session{folder};
    Model loaded;
};

} // namespace tarnel::test
