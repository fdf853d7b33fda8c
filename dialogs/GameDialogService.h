#pragma once
// The game program's dialogs that the rules open themselves, registered by
// the application for its run. Until a dialog has its window, its call
// answers as a game without windows does: the announcements show nothing, a
// bid is not made and every order dialog is cancelled, so that a command
// that reaches one changes nothing. Each dialog's window replaces its call
// here.

#include "model/services/DialogService.h"

class CGameDialogService : public CDetachedDialogService {};
