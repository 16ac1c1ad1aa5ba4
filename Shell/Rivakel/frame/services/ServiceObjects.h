// Interface objects over the shell's files, timers, events, sounds and markup, and the two
// objects the game host makes for every start: the services and the settings access.
#pragma once

#include "frame/api/IEvent.h"
#include "frame/api/IFile.h"
#include "frame/api/IMarkup.h"
#include "frame/api/ISettingsAccess.h"
#include "frame/api/IShellServices.h"
#include "frame/api/ISound.h"
#include "frame/api/ITimer.h"

class CEvent;
class CEventListener;
class CFile;
class CMarkupAttr;
class CMarkupNode;
class CSound;
class CTimer;
class IShellFactory;
class ShellWindowLink;

// Each takes one interface reference on its shell object; null for a null one.
IFile* MakeFileObject(CFile* file);
ITimer* MakeTimerObject(CTimer* timer);
IEvent* MakeEventObject(CEvent* event);
IEventListener* MakeListenerObject(CEventListener* listener);
ISound* MakeSoundObject(CSound* sound);  // a null sound gives an empty object (Play answers 8)
IMarkupAttr* MakeMarkupAttrObject(CMarkupAttr* attr);
IMarkupNode* MakeMarkupNodeObject(CMarkupNode* node);

// Made for one game start; creates its events 17 and 16 through `factory`. `window` is what the
// shell window does for the game (stop mode, menu, boxes, mail, pending message).
IShellServices* MakeShellServices(IShellFactory* factory, ShellWindowLink* window);
ISettingsAccess* MakeSettingsAccess();
// Fires the services' own event 16 (Instructions) or 17; 1 when every listener ran.
int FireServicesEvent(IShellServices* services, int code);
