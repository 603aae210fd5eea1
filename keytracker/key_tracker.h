/* The key-tracker library liborvanel.so: records the keys released while another program
   (the emulator) has the keyboard, so that the frontend can count coins. Keys are Windows
   virtual-key codes (digits 0x30-0x39, letters 0x41-0x5A, ...). */
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

#define ORVANEL_EXPORT __attribute__((visibility("default")))

/* Sets the four-code filter (first code <= 0: every key), empties the stack and starts
   watching the keyboards when not already watching. 1 when the keyboards are watched. */
ORVANEL_EXPORT int KeyTrackerInit(int key1, int key2, int key3, int key4);
/* Also counts a joystick's button as a key while the keyboards are watched: releases of
   the kernel key code `linuxCode` (a BTN_* code) on the event node `node` are recorded as
   `virtualKey`, through the same filter. Named before the KeyTrackerInit that starts the
   watching; KeyTrackerTerm forgets them. */
ORVANEL_EXPORT void KeyTrackerWatchJoystickKey(const char* node, int linuxCode, unsigned long virtualKey);
/* Watches a combination held to end a game: `count` kernel key codes (KEY_*) held down
   together on any keyboards. Only presses made while the keyboards are watched count. Named
   before or after the KeyTrackerInit that starts the watching; KeyTrackerTerm forgets it. */
ORVANEL_EXPORT void KeyTrackerWatchCombination(const int* linuxKeys, int count);
/* A joystick button (kernel code `linuxCode` on the event node `node`) that also stands for
   key `index` of the combination. Named before the KeyTrackerInit that starts the watching. */
ORVANEL_EXPORT void KeyTrackerWatchCombinationButton(int index, const char* node, int linuxCode);
/* How many milliseconds every key of the combination has been held together; 0 when it is
   not (or when there is none). */
ORVANEL_EXPORT unsigned long KeyTrackerCombinationHeldMs(void);
/* Pops the newest recorded key; 0 when none is waiting. */
ORVANEL_EXPORT unsigned long KeyTrackerGetKey(void);
/* Stops watching the keyboards (nothing when not watching). */
ORVANEL_EXPORT void KeyTrackerTerm(void);
/* Watches the mice: each mouse event leaves its window-message code in the first slot of
   the stack. The argument is not used. 1 when a mouse is watched. */
ORVANEL_EXPORT int MouseTrackerInit(int unused);
ORVANEL_EXPORT void MouseTrackerTerm(void);

/* Test seams. With test mode on, the Init functions watch no device and succeed, and
   keys are fed by hand: a release of a virtual-key code, or a kernel key event
   (value 0 release, 1 press, 2 auto-repeat) that goes through the key-code mapping. */
ORVANEL_EXPORT void KeyTrackerTestMode(int on);
/* Watches the event* nodes of this directory instead of /dev/input, taking any node as a
   device of the kind asked for (FIFOs fed with kernel input events); null goes back to
   the real devices. Takes effect at the next Init. */
ORVANEL_EXPORT void KeyTrackerTestInputDirectory(const char* directory);
ORVANEL_EXPORT void KeyTrackerTestFeed(unsigned long virtualKey);
ORVANEL_EXPORT void KeyTrackerTestFeedLinuxKey(int linuxKey, int value);
ORVANEL_EXPORT void KeyTrackerTestFeedJoystickButton(const char* node, int linuxCode, int value);
ORVANEL_EXPORT void KeyTrackerTestFeedLinuxMouse(int type, int code, int value);

#ifdef __cplusplus
}
#endif
