#include "colors.inc"


camera {
  location <  0.12391E+01,   0.24648E+00,  -0.63515E+01>
  look_at <0, 0, 0>
  sky <0, 1, 0>
}


light_source {
  <  0.72691E+00,   0.19477E+00,  -0.84687E+01>
  color Gray50
}


light_source {
  <  0.33235E+01,  -0.43755E+00,  -0.12511E+02>
  color Gray50
}


sphere_sweep {
  cubic_spline     6,

  < -0.15586E+01, -0.14364E+00,  0.16604E-07>,   0.60000E+00

  < -0.15586E+01, -0.14364E+00,  0.16604E-07>,   0.60000E+00

  < -0.45004E+00,  0.49746E+00,  0.13482E-07>,   0.60000E+00

  <  0.45004E+00, -0.49746E+00, -0.13482E-07>,   0.60000E+00

  <  0.15586E+01,  0.14364E+00, -0.16604E-07>,   0.60000E+00

  <  0.15586E+01,  0.14364E+00, -0.16604E-07>,   0.60000E+00

  tolerance 1.0
  pigment { Green } finish { phong 1 phong_size 50 ambient .25 diffuse .75 }                                                                            
}
