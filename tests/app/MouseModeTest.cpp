// Switching between zoom and measuring mode: pictures, sensitivity, menu toggle, status.
#include "app/MouseMode.h"

#include <cstring>

#include "CommandFrameTestSupport.h"
#include "toolkit/GwPicture.h"

namespace {

class MouseModeTest : public testsupport::CommandFrameTest {
 protected:
  // True when the button shows the picture of that name from the picture folder.
  bool showsPicture(const char* button, const char* picture) {
    GtkWidget* image = gtk_button_get_image(GTK_BUTTON(child(button)->widget()));
    if (!GTK_IS_IMAGE(image)) return false;
    GdkPixbuf* shown = gtk_image_get_pixbuf(GTK_IMAGE(image));
    GdkPixbuf* wanted =
        GwPicture::load(GwPicture::find(std::string(DXFV_RESOURCES "/") + picture), 24);
    const bool same = shown && wanted &&
                      gdk_pixbuf_get_byte_length(shown) == gdk_pixbuf_get_byte_length(wanted) &&
                      std::memcmp(gdk_pixbuf_read_pixels(shown), gdk_pixbuf_read_pixels(wanted),
                                  gdk_pixbuf_get_byte_length(wanted)) == 0;
    if (wanted) g_object_unref(wanted);
    return same;
  }
};

TEST_F(MouseModeTest, FirstSwitchGoesToMeasuringWithTheMeasuringButtonInsensitive) {
  ASSERT_EQ(session_.view.mouseMode, MouseMode::Zoom);
  EXPECT_EQ(CB_zoom(frame_.get(), nullptr, session_.userData()), 1);
  EXPECT_EQ(session_.view.mouseMode, MouseMode::Measuring);
  EXPECT_FALSE(child("PB_mass")->is_sensitive());
  EXPECT_TRUE(child("PB_zoom")->is_sensitive());
  EXPECT_EQ(child("MI_zoom")->toggle_state(), 0);
  EXPECT_TRUE(showsPicture("PB_mass", "dxfm_on"));
  EXPECT_TRUE(showsPicture("PB_zoom", "dxfz_off"));
}

TEST_F(MouseModeTest, SecondSwitchReturnsToZoomAndShowsTheTitle) {
  session_.window.drawingTitle = "Ventil 20";
  child("EB_status")->set_text(" 12.0 mm");
  CB_zoom(frame_.get(), nullptr, session_.userData());
  CB_zoom(frame_.get(), nullptr, session_.userData());
  EXPECT_EQ(session_.view.mouseMode, MouseMode::Zoom);
  EXPECT_FALSE(child("PB_zoom")->is_sensitive());
  EXPECT_TRUE(child("PB_mass")->is_sensitive());
  EXPECT_EQ(child("MI_zoom")->toggle_state(), 1);
  EXPECT_TRUE(showsPicture("PB_zoom", "dxfz_on"));
  EXPECT_TRUE(showsPicture("PB_mass", "dxfm_off"));
  EXPECT_FALSE(showsPicture("PB_mass", "dxfm_on"));
  EXPECT_EQ(child("EB_status")->text(), "Ventil 20");
}

TEST_F(MouseModeTest, MenuToggleSwitchesOnceWithoutNotifyingItself) {
  // Choosing the menu item toggles it and fires the callback once.
  gtk_menu_item_activate(GTK_MENU_ITEM(child("MI_zoom")->widget()));
  EXPECT_EQ(session_.view.mouseMode, MouseMode::Measuring);
  EXPECT_EQ(child("MI_zoom")->toggle_state(), 0);
  gtk_menu_item_activate(GTK_MENU_ITEM(child("MI_zoom")->widget()));
  EXPECT_EQ(session_.view.mouseMode, MouseMode::Zoom);
  EXPECT_EQ(child("MI_zoom")->toggle_state(), 1);
}

}  // namespace
