#pragma once
// The help viewer: a window with the topics, their pages and a search field.
namespace quintaro {

void HilfeZeigen(int kontext);
void HilfeSuchenZeigen();

}  // namespace quintaro
