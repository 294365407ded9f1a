// A small main frame with the widgets the viewer's helpers look up, for viewer tests.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "document/DXF_Zeichnung.h"
#include "toolkit/GwDrawnButton.h"
#include "toolkit/GwFrame.h"
#include "dxf/Layer.h"
#include "entities/Linie.h"
#include "viewer/ViewerSession.h"
#include "support/DecimalCommaLocale.h"
#include "support/GtkFrameTest.h"

namespace testsupport {

inline const char* const kViewerFrame = R"(
  <object class="GwFrameWindow" id="Main">
    <property name="frame-class">application</property>
    <child>
      <object class="GtkBox">
        <property name="visible">True</property>
        <property name="orientation">vertical</property>
        <child>
          <object class="GtkMenuBar">
            <property name="visible">True</property>
            <child>
              <object class="GtkMenuItem" id="MI_Zoom">
                <property name="visible">True</property>
                <property name="sensitive">False</property>
                <property name="label">Zoom</property>
              </object>
            </child>
            <child>
              <object class="GtkMenuItem" id="MI_Ansicht">
                <property name="visible">True</property>
                <property name="label">View</property>
              </object>
            </child>
          </object>
        </child>
        <child>
          <object class="GtkButton" id="PB_zoomp">
            <property name="visible">True</property>
            <property name="sensitive">False</property>
            <property name="label">Zoom in</property>
          </object>
        </child>
        <child>
          <object class="GtkButton" id="PB_zoomm">
            <property name="visible">True</property>
            <property name="sensitive">False</property>
            <property name="label">Zoom out</property>
          </object>
        </child>
        <child>
          <object class="GtkButton" id="PB_zoomb">
            <property name="visible">True</property>
            <property name="sensitive">False</property>
            <property name="label">Whole drawing</property>
          </object>
        </child>
        <child>
          <object class="GtkBox" id="DA_container">
            <property name="visible">True</property>
            <child>
              <object class="GtkDrawingArea" id="DA_draw">
                <property name="visible">True</property>
                <property name="width-request">200</property>
                <property name="height-request">100</property>
              </object>
            </child>
          </object>
        </child>
        <child>
          <object class="GtkEntry" id="EB_status">
            <property name="visible">True</property>
            <property name="width-chars">4</property>
            <property name="hexpand">False</property>
            <property name="halign">start</property>
          </object>
        </child>
        <child>
          <object class="GtkEntry" id="EB_position">
            <property name="visible">True</property>
          </object>
        </child>
        <child>
          <object class="GtkEntry" id="EB_text">
            <property name="visible">True</property>
          </object>
        </child>
        <child>
          <object class="GtkScrollbar" id="SB_hori">
            <property name="visible">True</property>
            <property name="orientation">horizontal</property>
            <property name="adjustment">SB_hori_adjustment</property>
          </object>
        </child>
        <child>
          <object class="GtkScrollbar" id="SB_vert">
            <property name="visible">True</property>
            <property name="orientation">horizontal</property>
            <property name="adjustment">SB_vert_adjustment</property>
          </object>
        </child>
      </object>
    </child>
  </object>
  <object class="GtkAdjustment" id="SB_hori_adjustment">
    <property name="upper">110</property>
    <property name="page-size">10</property>
  </object>
  <object class="GtkAdjustment" id="SB_vert_adjustment">
    <property name="upper">110</property>
    <property name="page-size">10</property>
  </object>
  <object class="GtkMessageDialog" id="MsgBox_Test">
    <property name="buttons">ok</property>
    <property name="text">Message</property>
  </object>
)";

// Loads the frame as the main window of the test's own viewer session.
class ViewerFrameTest : public GtkFrameTest {
 protected:
  void SetUp() override {
    GtkTest::SetUp();
    if (HasFatalFailure()) return;
    numbersWithPoint_.emplace();
    loadFrame(kViewerFrame, "Main", nullptr, {}, &session_);
    if (HasFatalFailure()) return;
    session_.window.frame = frame_.get();
    area_ = dynamic_cast<GwDrawnButton*>(frame_->frame_child("DA_draw"));
    container_ = frame_->frame_child("DA_container");
    showFrame(container_);
  }
  // A document with one line from (10, 20) to (30, 40) on layer "0".
  static std::unique_ptr<DXF_Zeichnung> oneLineDocument() {
    auto document = std::make_unique<DXF_Zeichnung>();
    auto layer = std::make_unique<Layer>("0");
    const Layer* onLayer = layer.get();
    document->layers().append(std::move(layer));
    document->entities().append(std::make_unique<Linie>(10.0, 20.0, 30.0, 40.0, onLayer));
    document->growExtents(10.0, 20.0, 30.0, 40.0);
    return document;
  }

  ViewerSession session_;  // declared after the frame: its rubber band goes first
  GwDrawnButton* area_ = nullptr;
  GwCore* container_ = nullptr;

 private:
  // As while the main window runs; from after GTK's start, which takes the user's locale.
  std::optional<NumericLocaleC> numbersWithPoint_;
};

}  // namespace testsupport
