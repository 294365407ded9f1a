// A headless file that reaches for the GUI.
#pragma once
#include <gtk/gtk.h>
