#pragma once
// The application's message hook: while a tool holds it, every key press and release
// of the program, and every text an input method commits, reaches the tool's AppMessage
// once, before any window or shortcut acts on it. It is an event filter on the application, installed only
// while a tool holds the hook.

class TTechBase;

// Hands the key messages to tool; nullptr releases the hook.
void HookAppMessages(TTechBase* tool);
TTechBase* AppMessageTool();
