#pragma once

class CModel;

// The rules of the Default Sounds dialog: which buttons a row enables and what
// each button does to the action-sound table. Row -1 is no selection.
struct DefaultSoundsButtons {
    bool browse = false;
    bool play = false;
    bool remove = false;
    bool useDefault = false;
};

DefaultSoundsButtons DefaultSoundsButtonStates(const CModel& model, int row);
// "&Browse...": plays "Open File Selection Box", asks for a .wav file and makes
// it the row's file. True when the row changed.
bool BrowseActionSound(CModel& model, int row);
// "&Play": the row's file, only while sounds are on.
void PlayActionSoundRow(CModel& model, int row);
// "&Remove": the row plays no sound.
void RemoveActionSound(CModel& model, int row);
// "Use &Default": the row's default file again.
void UseDefaultActionSound(CModel& model, int row);
