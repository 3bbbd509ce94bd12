#include "catalogue/current_scenario.h"

Scenario* currentScenario = nullptr;
