// Registration of the frame window class with GObject.
#include "toolkit/GwFrameWindow.h"

#include <initializer_list>

struct _GwFrameWindow {
  GtkWindow parent_instance;
  char* frameClass;
};

G_DEFINE_TYPE(GwFrameWindow, gw_frame_window, GTK_TYPE_WINDOW)

namespace {

enum { PROP_0, PROP_FRAME_CLASS };

void setProperty(GObject* object, guint id, const GValue* value, GParamSpec* property) {
  GwFrameWindow* self = GW_FRAME_WINDOW(object);
  if (id != PROP_FRAME_CLASS) {
    G_OBJECT_WARN_INVALID_PROPERTY_ID(object, id, property);
    return;
  }
  g_free(self->frameClass);
  self->frameClass = g_value_dup_string(value);
}

void getProperty(GObject* object, guint id, GValue* value, GParamSpec* property) {
  GwFrameWindow* self = GW_FRAME_WINDOW(object);
  if (id != PROP_FRAME_CLASS) {
    G_OBJECT_WARN_INVALID_PROPERTY_ID(object, id, property);
    return;
  }
  g_value_set_string(value, gw_frame_window_get_frame_class(self));
}

void finalize(GObject* object) {
  g_free(GW_FRAME_WINDOW(object)->frameClass);
  G_OBJECT_CLASS(gw_frame_window_parent_class)->finalize(object);
}

}  // namespace

static void gw_frame_window_class_init(GwFrameWindowClass* klass) {
  GObjectClass* objectClass = G_OBJECT_CLASS(klass);
  objectClass->set_property = setProperty;
  objectClass->get_property = getProperty;
  objectClass->finalize = finalize;
  g_object_class_install_property(
      objectClass, PROP_FRAME_CLASS,
      g_param_spec_string("frame-class", "Frame class", "application or dialog", "dialog",
                          static_cast<GParamFlags>(G_PARAM_READWRITE | G_PARAM_STATIC_STRINGS)));
  for (const char* name :
       {"frame-create", "frame-show", "frame-start", "frame-hide", "frame-resize"}) {
    g_signal_new(name, G_TYPE_FROM_CLASS(klass), G_SIGNAL_RUN_LAST, 0, nullptr, nullptr, nullptr,
                 G_TYPE_NONE, 0);
  }
}

static void gw_frame_window_init(GwFrameWindow* self) { self->frameClass = g_strdup("dialog"); }

const char* gw_frame_window_get_frame_class(GwFrameWindow* window) {
  return window->frameClass ? window->frameClass : "dialog";
}
