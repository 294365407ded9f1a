// Opening, filling and the option toggles of the transfer dialog.
#include "cadlink/TransferDialog.h"

#include <memory>
#include <string_view>

#include "cadlink/CadVersions.h"
#include "cadlink/DdeClient.h"
#include "dxf/CNumericLocale.h"
#include "interface/DXF_Interface.h"
#include "toolkit/GwFrame.h"
#include "toolkit/GwRcMgr.h"
#include "toolkit/GwString.h"
#include "viewer/ViewerSession.h"

namespace {

std::unique_ptr<DdeClient>& client() {
  static std::unique_ptr<DdeClient> instance;
  return instance;
}

void setSensitive(GwCore* frame, const char* name, bool sensitive) {
  GwCore* widget = frame ? frame->frame_child(name) : nullptr;
  if (!widget) return;
  if (sensitive) {
    widget->make_sensitive();
  } else {
    widget->make_insensitive();
  }
}

// The point is typed only when the user does not pick it in the CAD program; the angle
// is asked there too when the block is placed by mouse and exploded.
void applyOptionSensitivity(GwCore* frame, const DdeClient& dde) {
  setSensitive(frame, "C_DDE_Koordinaten", !dde.mouseInsert);
  setSensitive(frame, "C_DDE_Winkel", !(dde.mouseInsert && dde.explode));
}

void setFieldText(GwCore* frame, const char* name, const char* text) {
  if (GwCore* field = frame->frame_child(name)) field->set_text(text);
}

}  // namespace

DdeClient* transferClient() { return client().get(); }

void endTransferClient() { client().reset(); }

int CB_acad(GwCore* /*widget*/, GwEvent* /*event*/, GwUD userData) {
  ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  const GwStringType stringType = GwString::string_type();
  GwString::set_string_type(GwSTRING_TWO_DECIMALS);
  std::unique_ptr<GwFrame> dialog;
  {
    CNumericLocale numbersWithPoint;
    dialog.reset(gw_def_mgr.load("AutoCAD_Dialog", session->window.frame, 1, session));
  }
  if (dialog) dialog->run();
  GwString::set_string_type(stringType);
  return 1;
}

int CB_DDE_create(GwCore* frame, GwEvent* /*event*/, GwUD userData) {
  const ViewerSession* session = ViewerSession::of(userData);
  if (!session) return 1;
  client() = std::make_unique<DdeClient>();
  DdeClient& dde = *client();
  if (GwCore* label = session->child("LB_DDE_Transfer"); label && !label->text().empty()) {
    dde.blockName = label->text();
  }
  const DXF_Interface* viewer = session->window.viewerInterface;
  const std::string_view remembered = viewer ? std::string_view(viewer->cadVersion) : "";
  if (GwCore* toggle = frame->frame_child(preselectedToggle(remembered))) {
    toggle->set_toggle_state(1);
  }
  setFieldText(frame, "EB_DDE_x", GwString(dde.insertX).c_str());
  setFieldText(frame, "EB_DDE_y", GwString(dde.insertY).c_str());
  setFieldText(frame, "EB_DDE_w", GwString(dde.insertAngle).c_str());
  setFieldText(frame, "EB_DDE_Blockname", dde.blockName.c_str());
  if (GwCore* call = frame->frame_child("C_DDE_Call")) call->hide();
  if (GwCore* mouse = frame->frame_child("TB_DDE_Mouse")) mouse->set_toggle_state(dde.mouseInsert);
  if (GwCore* explode = frame->frame_child("TB_DDE_Explode"))
    explode->set_toggle_state(dde.explode);
  applyOptionSensitivity(frame, dde);
  return 1;
}

int CB_TB_DDE_Mouse(GwCore* widget, GwEvent* /*event*/, GwUD /*userData*/) {
  if (DdeClient* dde = transferClient()) {
    dde->mouseInsert = !dde->mouseInsert;
    applyOptionSensitivity(widget->frame(), *dde);
  }
  return 1;
}

int CB_TB_DDE_Explode(GwCore* widget, GwEvent* /*event*/, GwUD /*userData*/) {
  if (DdeClient* dde = transferClient()) {
    dde->explode = !dde->explode;
    applyOptionSensitivity(widget->frame(), *dde);
  }
  return 1;
}

int CB_SHOW_DDE_call(GwCore* widget, GwEvent* /*event*/, GwUD /*userData*/) {
  if (GwCore* call = widget->frame_child("C_DDE_Call")) {
    if (call->is_shown()) {
      call->hide();
    } else {
      call->show();
    }
  }
  return 1;
}

int CB_DDE_cancel(GwCore* widget, GwEvent* /*event*/, GwUD /*userData*/) {
  if (GwCore* frame = widget->frame()) frame->popdown();
  endTransferClient();
  return 1;
}
