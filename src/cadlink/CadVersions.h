// The CAD program versions of the transfer dialog: toggle, service name, the version name
// remembered in the viewer interface and the code the scripts are built for.
#pragma once

#include <array>
#include <functional>
#include <string_view>

struct CadVersion {
  const char* toggle;   // radio button of "AutoCAD_Dialog"
  const char* service;  // service name the CAD program answers under
  const char* name;     // stored in the viewer interface's cadVersion
  int code;             // script version code
};

// In the order the dialog's toggles are asked.
extern const std::array<CadVersion, 11> kCadVersions;

// The version used when no toggle is on.
const CadVersion& defaultCadVersion();

// The first version whose toggle isOn answers true for; the default when none does.
const CadVersion& chosenCadVersion(const std::function<bool(const char* toggle)>& isOn);

// The toggle the dialog switches on for a remembered version name; every name a transfer
// stores is recognised, and so is the older "ACAD_LT". Others give the default's toggle.
const char* preselectedToggle(std::string_view cadVersion);
