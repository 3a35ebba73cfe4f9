// The built-in demo session that brackenfold-sim plays without a scenario.
#pragma once

extern const char* const kDemoSession;
