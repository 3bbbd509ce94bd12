// Settings given for one run only (by the options of the xscreensaver
// command line). While they are active they sit in g_options after every
// Options::load, and every Options::save of g_options writes what the user
// has stored instead, so a run changes what it shows and nothing it keeps.
#pragma once

#include <cstdint>
#include <optional>

#include "settings/options.h"

struct RunOverrides {
    std::optional<int32_t> xSpeed;
    std::optional<int32_t> changeSkyDuring;
    std::optional<int32_t> changeFrequency;
    std::optional<int32_t> KeepAspect_1_6;

    bool empty() const { return !xSpeed && !changeSkyDuring && !changeFrequency && !KeepAspect_1_6; }
};

// The record with the run's values in the fields the overrides name.
Options withOverrides(Options record, const RunOverrides& overrides);
// The record with stored's values in the fields the overrides name: what a
// save writes while the run's values are in record.
Options withStoredFields(Options record, const Options& stored, const RunOverrides& overrides);

// Makes overrides the run's settings: g_options takes them at once and
// after every load; saves of g_options keep the stored values. Replaces
// any earlier overrides (those fields go back to their stored values).
void activateRunOverrides(const RunOverrides& overrides);
// The user's values again, in g_options and in every later load.
void clearRunOverrides();

// For Options::load and Options::save of g_options: the record as stored
// (the run's fields replaced by what the last load found), and taking in a
// freshly loaded stored record (kept, and shown with the run's values).
Options storedOptions(const Options& current);
void adoptStoredOptions(Options& current, const Options& stored);
