// The session's singletons that have no creation function of their own: video, fonts and
// cursors. Null outside the session.
#pragma once

class CSubsystem_Video;
class CSubsystem_Font;
class CSubsystem_Cursor;

CSubsystem_Video* VideoService();
CSubsystem_Font* FontService();
CSubsystem_Cursor* CursorService();

// Video presents to the main window; cursors come from the shell's resources.
void CreateVideoService();
void CreateFontService();
void CreateCursorService();
// Each destroys its service and clears its pointer.
void DestroyVideoService();
void DestroyFontService();
void DestroyCursorService();
