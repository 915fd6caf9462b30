#include "colors.inc"


camera {
  location <  0.11481E+01,   0.22836E+00,   0.58847E+01>
  look_at <0, 0, 0>
  sky <0, 1, 0>
}


light_source {
  <  0.67349E+00,   0.18046E+00,   0.78463E+01>
  color Gray50
}


light_source {
  <  0.30793E+01,  -0.40539E+00,   0.11591E+02>
  color Gray50
}


sphere {
  <  0.00000E+00,  0.00000E+00,  0.00000E+00>,   0.20000E+01
  pigment { Yellow } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            }


