// The process-wide scene list, built by every rendering start and read by the
// frame routine and the configuration dialog. Null until the first start.
#pragma once

class Scenario;

extern Scenario* currentScenario;
