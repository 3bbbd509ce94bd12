#include "settings/run_overrides.h"

namespace {

// One entry per field a run may set.
struct Field {
    std::optional<int32_t> RunOverrides::*override;
    int32_t Options::*member;
};
const Field kFields[] = {
    {&RunOverrides::xSpeed, &Options::xSpeed},
    {&RunOverrides::changeSkyDuring, &Options::changeSkyDuring},
    {&RunOverrides::changeFrequency, &Options::changeFrequency},
    {&RunOverrides::KeepAspect_1_6, &Options::KeepAspect_1_6},
};

RunOverrides g_active;
// The user's values of the overridden fields, as the last load (or the
// activation) found them.
Options g_stored;

}  // namespace

Options withOverrides(Options record, const RunOverrides& overrides) {
    for (const Field& f : kFields)
        if (const auto& value = overrides.*f.override) record.*f.member = *value;
    return record;
}

Options withStoredFields(Options record, const Options& stored, const RunOverrides& overrides) {
    for (const Field& f : kFields)
        if (overrides.*f.override) record.*f.member = stored.*f.member;
    return record;
}

void activateRunOverrides(const RunOverrides& overrides) {
    const Options stored = storedOptions(g_options);
    g_active = overrides;
    adoptStoredOptions(g_options, stored);
}

void clearRunOverrides() { activateRunOverrides(RunOverrides{}); }

Options storedOptions(const Options& current) { return withStoredFields(current, g_stored, g_active); }

void adoptStoredOptions(Options& current, const Options& stored) {
    g_stored = stored;
    current = withOverrides(stored, g_active);
}
