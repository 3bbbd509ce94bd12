// A temporary data directory that DataDir points at for the length of a test,
// with every message box recorded.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "shell/data_dir.h"
#include "support/message_box_recorder.h"
#include "support/temp_dir.h"

class DataDirTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = DataDir;
        DataDir = tmp.path() + "/";
    }
    void TearDown() override { DataDir = saved_; }

    // Writes a scene folder with this scene.xml content.
    void writeScene(const std::string& folder, const std::string& xml) const {
        tmp.write(folder + "/scene.xml", xml);
    }
    std::string listPath() const { return DataDir + "/defaultScenario.xml"; }

    TempDir tmp;
    MessageBoxRecorder boxes;

private:
    std::string saved_;
};
