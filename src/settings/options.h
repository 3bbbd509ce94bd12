// The user's settings and two bookkeeping values, kept in options.xml in the
// data directory. One process-wide record, g_options; every part of the
// program reads its fields directly, the dialog pages write them.
#pragma once

#include <cstdint>

struct Options {
    int32_t SoundsEnabled = 0;
    int32_t KeepAspect_1_6 = 0;
    int32_t DoNotUseAccumBuffer = 0;
    int32_t SleepEnabled = 1;
    int32_t IgnoreMouseMove = 0;
    int32_t RunCount = 0;
    int32_t Day = 0;
    int32_t Month = 0;
    int32_t xSpeed = 50;
    int32_t zSpeed = 50;
    int32_t changeSkyAtStartUp = 1;
    int32_t changeSkyDuring = 1;
    int32_t changeFrequency = 5;

    // Reads DataDir + "/" + fileName into this record; every caller passes
    // "options.xml". For g_options, settings given for the run only
    // (settings/run_overrides.h) go over what the file holds.
    void load(const char* fileName);
    // Writes this record to DataDir + "/" + fileName, replacing the file.
    // For g_options, the user's stored values are written in place of the
    // run's own settings.
    void save(const char* fileName) const;
};

extern Options g_options;
