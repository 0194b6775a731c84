#pragma once

#include <string>
#include <string_view>

class CModel;

// Plays a sound file when it exists, and only while the Sound setting is on
// unless `force` is set. A synchronous play returns when the sound has ended.
void PlayFile(CModel& model, const std::string& path, bool force, bool asynchronous);
// Plays the file of an action. While Sound is off, only the alarm still
// sounds, and the chimes when PlayChimes is on.
void PlayActionSound(CModel& model, std::string_view name, bool asynchronous);
// The launch sound of a button (category -1: the current one): its own sound
// when that file exists, else the action sound of its kind.
void PlayButtonSound(CModel& model, int category, int slot);
