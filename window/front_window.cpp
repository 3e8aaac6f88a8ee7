// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/front_window.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef VEXLOR_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#endif

namespace vexlor {
namespace {

#ifdef VEXLOR_HAVE_XCB
xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  const xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
  const xcb_atom_t atom = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
  std::free(reply);
  return atom;
}

// _NET_ACTIVE_WINDOW with source indication 2: a request on the user's behalf.
void AskWindowManagerToActivate(QWidget& window) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 == nullptr || x11->connection() == nullptr) return;
  xcb_connection_t* connection = x11->connection();
  const xcb_atom_t active = Atom(connection, "_NET_ACTIVE_WINDOW");
  if (active == XCB_ATOM_NONE) return;
  xcb_client_message_event_t message{};
  message.response_type = XCB_CLIENT_MESSAGE;
  message.format = 32;
  message.window = static_cast<xcb_window_t>(window.winId());
  message.type = active;
  message.data.data32[0] = 2;                 // source: the user, through a pager
  message.data.data32[1] = XCB_CURRENT_TIME;  // the player's request is the newest
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  xcb_send_event(connection, 0, screen->root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&message));
  xcb_flush(connection);
}
#else
void AskWindowManagerToActivate(QWidget&) {}
#endif

}  // namespace

void BringWindowToFront(QWidget& window) {
  window.raise();
  window.activateWindow();
  AskWindowManagerToActivate(window);
}

}  // namespace vexlor
