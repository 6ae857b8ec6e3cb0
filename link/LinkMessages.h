#pragma once

// Notifications of the serial port monitor, posted to the notify thread.
constexpr unsigned WM_COM_RECEIVE = 1642;
constexpr unsigned WM_COM_CTS = 1643;
constexpr unsigned WM_COM_DSR = 1645;
constexpr unsigned WM_COM_RING = 1647;
constexpr unsigned WM_COM_RLSD = 1648;
constexpr unsigned WM_COM_BREAK = 1649;
constexpr unsigned WM_COM_TXEMPTY = 1650;
constexpr unsigned WM_COM_ERROR = 1651;
// The line went away (a hang-up or an I/O error: an unplugged adapter);
// lParam is the system's error number. Posted once per opening.
constexpr unsigned WM_COM_LOST = 1652;
