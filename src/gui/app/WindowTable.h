#pragma once

#include "kit/WindowContext.h"

#include <vector>

// The windows of the tool, in creation order.
const std::vector<WindowRow>& windowTable();
