// Everything the running viewer keeps between two callbacks: the main window's state, the
// view state, the view documents and the mouse actions. The viewer owns one session while
// it runs; each callback of its frames gets it as the pointer of its user data.
#pragma once

#include "toolkit/GwUD.h"
#include "viewer/LayerDialog.h"
#include "viewer/MainWindowState.h"
#include "viewer/MouseHandlers.h"
#include "viewer/SceneCache.h"
#include "viewer/ViewDocuments.h"
#include "viewer/ViewState.h"

class GwCore;

struct ViewerSession {
  MainWindowState window;
  ViewState view;
  ViewDocuments documents;
  SceneCache scenes;  // the spatial index of the document last painted
  MouseActions mouse;
  LayerDialog layerTable;         // the layer dialog's working table, from filling to OK or Cancel
  bool layerStoreFailed = false;  // OK could not write the settings: told once the dialog closed

  ViewerSession() = default;
  ViewerSession(const ViewerSession&) = delete;
  ViewerSession& operator=(const ViewerSession&) = delete;

  // The session a callback was registered with; null when its user data carries none.
  static ViewerSession* of(const GwUD& userData) {
    return static_cast<ViewerSession*>(userData.pointer());
  }
  // User data that hands this session to a callback.
  GwUD userData() { return GwUD(this); }

  // The widget of that name in the main frame; null without a main frame or such a widget.
  GwCore* child(const char* name) const;
  // The document of the current view type; null when that slot is empty.
  DXF_Zeichnung* currentDocument() const { return documents.at(view.viewType); }
};
