// Helpers for the unit tests: the scripted platform with a captured transcript.
#pragma once

#include "platform/scriptplatform.h"

#include <QJsonObject>
#include <QList>

// The scripted platform installed by the test main; events are collected here.
ScriptPlatform& testPlatform();
QList<QJsonObject>& testEvents();
