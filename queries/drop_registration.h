#pragma once
// Created of the main window: the whole window becomes 拖放对象1's drop area.
void OnMainWindowCreated();
