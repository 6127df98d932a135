#pragma once
// The plug-in's module as windows see it: the module that window classes and dialogs
// are created with, and the scope that every window creation runs in (the plug-in's
// activation context, whose common controls are version 6, and its DPI awareness).
#include <windows.h>

#include "frame/protocol/process.h"
#include "win/dpi.h"

// The plug-in's own module (never the host's executable); without an application object,
// the module that holds this code.
HMODULE PluginModule();

// Wine (and Windows) pick the common controls of the context active at creation time, so
// this is kept around every CreateWindow and CreateDialog, not only the first.
class CreationScope {
 public:
  CreationScope() = default;
  CreationScope(const CreationScope&) = delete;
  CreationScope& operator=(const CreationScope&) = delete;

 private:
  ModuleScope module_;
  ThreadDpiScope dpi_;
};
