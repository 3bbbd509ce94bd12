#include "shell/data_dir.h"

std::string DataDir;
