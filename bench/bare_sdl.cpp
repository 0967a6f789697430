// The floor for the start-up ratio: open a 440 x 535 window, present one frame, exit.
#include <SDL.h>

int main() {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
    SDL_Window* w = SDL_CreateWindow("bare", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 440,
                                     535, SDL_WINDOW_BORDERLESS);
    SDL_Surface* s = SDL_GetWindowSurface(w);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, 0xD4, 0xD0, 0xC8));
    SDL_UpdateWindowSurface(w);
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
    SDL_DestroyWindow(w);
    SDL_Quit();
    return 0;
}
