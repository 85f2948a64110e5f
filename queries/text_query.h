#pragma once
// Clicked of 按钮1: the report of 编辑框2's text goes into 编辑框1.
void OnQueryButtonClicked();
