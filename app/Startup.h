#pragma once

// The start-up routine the framework calls once before the event loop:
// InitFileTypes, NewAppInstance, ApplicationAddMenuHandlers, MakeDefaultView.
void RunStartup();

void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void MakeDefaultView();

// Releases the module-level objects at the end of a run: the file type,
// then the shared menu bar.
void ReleaseModuleObjects();
