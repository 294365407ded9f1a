// Owning handles for the GObjects the toolkit creates (builders, list models, pictures,
// cursors, text layouts), given back exactly once when the handle dies, as the painter's
// Cairo and Pango handles are. A forgotten release is then the leak checker's to report.
#pragma once

#include <glib-object.h>

#include "toolkit/paint/PaintHandle.h"

// Owns one reference of a GObject of type T.
template <typename T>
using GObjectPtr = PaintHandle<T, g_object_unref>;

// Owns a string GLib or GTK handed over (freed with g_free).
using GStringPtr = PaintHandle<gchar, g_free>;
