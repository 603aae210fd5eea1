// Variables this process sets for itself alone (the language of its own texts): the
// programs it starts (the emulator, the exit command) get the owner's values back.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The value of an environment variable of this process; "" when it is not set.
std::string EnvironmentValue(const char* name);

// setenv for this process only; the first call for a name remembers the owner's value.
void SetOwnVariable(const std::string& name, const std::string& value);

// The environment for a child: this process's, with every own variable as the owner had it
// (removed when the owner had none), then `extra` ("NAME=value", replacing the same name).
std::vector<std::string> ChildEnvironment(const std::vector<std::string>& extra = {});

}  // namespace platform
