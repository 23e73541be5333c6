#pragma once

#include "kit/WindowContext.h"

#include <memory>

class ManagedWindow;

std::unique_ptr<ManagedWindow> makeDiscoveryWindow(const WindowRow& row, WindowContext& context);
std::unique_ptr<ManagedWindow> makeOverviewWindow(const WindowRow& row, WindowContext& context);
std::unique_ptr<ManagedWindow> makeStatusWindow(const WindowRow& row, WindowContext& context);
